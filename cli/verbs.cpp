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

// A verb, by the name its file defines its entry under.
#define VERB(name)                                                                                 \
    [] {                                                                                           \
        extern const Verb name;                                                                    \
        return &name;                                                                              \
    }()

// The verbs, a line each, in the order `vextondof --help` names them.
const std::vector<const Verb*>& Verbs() {
    // clang-format off
    static const std::vector<const Verb*> verbs = {
        VERB(kCalculateVerb),
        VERB(kPlanVerb),
        VERB(kTableVerb),
        VERB(kChartVerb),
        VERB(kPhotoVerb),
        VERB(kCocVerb),
        VERB(kCloseUpVerb),
        VERB(kStackVerb),
        VERB(kFrameVerb),
        VERB(kCamerasVerb),
        VERB(kLensesVerb),
    };
    // clang-format on
    return verbs;
}

const Verb* FindVerb(std::string_view name) {
    for (const Verb* verb : Verbs())
        if (name == verb->name)
            return verb;
    return nullptr;
}
