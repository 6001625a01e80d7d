#include "cli/verbs.h"

#include "cli/options.h"

#include <iterator>

std::vector<std::string> Verb::Options() const {
    std::vector<std::string> options;
    if (choices)
        options.assign(std::begin(kChoiceOptions), std::end(kChoiceOptions));
    options.insert(options.end(), own.begin(), own.end());
    return options;
}

// Each verb's entry is defined in its own file.
const std::vector<const Verb*>& Verbs() {
    static const std::vector<const Verb*> verbs = {
        [] {
            extern const Verb kCalculateVerb;
            return &kCalculateVerb;
        }(),
        [] {
            extern const Verb kPlanVerb;
            return &kPlanVerb;
        }(),
        [] {
            extern const Verb kTableVerb;
            return &kTableVerb;
        }(),
        [] {
            extern const Verb kChartVerb;
            return &kChartVerb;
        }(),
        [] {
            extern const Verb kPhotoVerb;
            return &kPhotoVerb;
        }(),
        [] {
            extern const Verb kCocVerb;
            return &kCocVerb;
        }(),
        [] {
            extern const Verb kCamerasVerb;
            return &kCamerasVerb;
        }(),
    };
    return verbs;
}

const Verb* FindVerb(std::string_view name) {
    for (const Verb* verb : Verbs())
        if (name == verb->name)
            return verb;
    return nullptr;
}
