#include "photo/photo_facts.h"

#include "framework/base/translate.h"

std::string Said(const PhotoSentence& sentence) {
    std::vector<std::string> args = sentence.args;
    for (std::size_t i = 0; i < args.size() && i < 32; ++i)
        if (sentence.words & (1u << i))
            args[i] = Tr("Photo", args[i].c_str());
    return Arg(Tr("Photo", sentence.text.c_str()), args);
}

PhotoSentence MadeSentence(std::string text) {
    return {"%1", {std::move(text)}, 0};
}
