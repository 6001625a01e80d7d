#include "photo/photo_facts.h"

#include "calc/number_text.h"

#include "framework/base/translate.h"

std::string Said(const PhotoSentence& sentence, const std::function<std::string(double)>& length) {
    std::vector<std::string> args = sentence.args;
    for (std::size_t i = 0; i < args.size() && i < 32; ++i) {
        if (sentence.words & (1u << i))
            args[i] = Tr("Photo", args[i].c_str());
        if (sentence.lengths & (1u << i)) {
            const double metres = ParseDecimal(args[i]);
            args[i] =
                length ? length(metres) : FormatShortest(metres, 2, PlainNumberSettings()) + " m";
        }
    }
    return Arg(Tr("Photo", sentence.text.c_str()), args);
}

PhotoSentence MadeSentence(std::string text) {
    return {"%1", {std::move(text)}, 0};
}
