#pragma once
// `vextondof photo ARGS` with exiv2's reader itself, in this process: the
// verb as the terminal runs it, told of its progress where asked.
#include "cli/command_line.h"
#include "photo/photo_reader.h"
#include "settings_test_support.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

inline CommandResult
PhotoVerbHere(const ProgramFolder& program, std::vector<std::string> args,
              std::function<void(std::size_t, std::size_t)> progress = nullptr) {
    struct InProcess : PhotoSource {
        PhotoFacts Read(const std::string& path, const std::string& shownAs) override {
            return ReadPhoto(path, shownAs);
        }
    };
    CommandLineContext machine{
        program.folder() + "/vextondof", program.folder(), NumberSettings{}, {}, {}, [] {
            return std::make_unique<InProcess>();
        }};
    machine.progress = std::move(progress);
    args.insert(args.begin(), "photo");
    CommandResult result = *RunCommandLine(args, machine);
    CollectOutput(result);
    return result;
}
