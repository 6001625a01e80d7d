// The verbs are declared once, in their table: the shell's completion offers
// exactly the verbs and each verb's options it names, the three manual pages
// describe exactly those, and the dispatch and the help are made from it.
#include "cli/verbs.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

namespace {
using Words = std::set<std::string>;

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What the completion offers for the words typed so far, `cur` the last.
Words Completed(const std::vector<std::string>& words) {
    std::string array;
    for (const std::string& w : words)
        array += " '" + w + "'";
    const std::string script = "source '" + std::string(DATA_FOLDER) +
                               "/vextondof.bash-completion'; COMP_WORDS=(" + array +
                               "); COMP_CWORD=" + std::to_string(words.size() - 1) +
                               "; _vextondof; printf '%s\\n' \"${COMPREPLY[@]}\"";
    Words offered;
    if (FILE* pipe = ::popen(("bash -c \"$(cat <<'EOF'\n" + script + "\nEOF\n)\"").c_str(), "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, pipe)) {
            std::string word(line);
            word.erase(word.find_last_not_of("\n") + 1);
            if (!word.empty())
                offered.insert(word);
        }
        ::pclose(pipe);
    }
    return offered;
}

Words OptionsOf(const Verb& verb) {
    const std::vector<std::string> options = verb.Options();
    Words words(options.begin(), options.end());
    words.insert("--help");
    return words;
}

// A manual page's section, under its heading in the page's language: from
// its .SH line to the next.
std::string Section(const std::string& page, std::initializer_list<const char*> headings) {
    for (const char* heading : headings) {
        const std::size_t from = page.find("\n.SH " + std::string(heading) + "\n");
        if (from == std::string::npos)
            continue;
        const std::size_t to = page.find("\n.SH ", from + 1);
        return page.substr(from, to == std::string::npos ? std::string::npos : to - from);
    }
    return "";
}

// The heads of a section's items: the line after each .TP.
std::vector<std::string> ItemHeads(const std::string& section) {
    std::vector<std::string> heads;
    std::istringstream lines(section);
    bool next = false;
    for (std::string line; std::getline(lines, line);) {
        if (next)
            heads.push_back(line);
        next = line == ".TP";
    }
    return heads;
}
} // namespace

TEST(Verbs, TheCompletionOffersWhatTheTableDeclares) {
    Words verbs = {"--help", "--version", "--list-cameras"};
    for (const Verb* verb : Verbs())
        verbs.insert(verb->name);
    EXPECT_EQ(Completed({"vextondof", ""}), verbs);
    for (const Verb* verb : Verbs())
        EXPECT_EQ(Completed({"vextondof", verb->name, "--"}), OptionsOf(*verb)) << verb->name;
}

TEST(Verbs, EachManualPageDescribesWhatTheTableDeclares) {
    Words verbs, options = {"--help", "--version", "--list-cameras"};
    for (const Verb* verb : Verbs()) {
        verbs.insert(verb->name);
        for (const std::string& option : verb->Options())
            options.insert(option);
    }
    const std::regex optionName(R"(\\-\\-([a-z]+(\\-[a-z]+)*))");
    for (const char* page : {"vextondof.1", "vextondof.de.1", "vextondof.fr.1"}) {
        SCOPED_TRACE(page);
        const std::string text = FileText(std::string(DATA_FOLDER) + "/" + page);
        ASSERT_FALSE(text.empty());
        const std::string commands = Section(text, {"COMMANDS", "BEFEHLE", "COMMANDES"});
        Words described;
        for (const std::string& head : ItemHeads(commands))
            if (head.rfind(".B ", 0) == 0)
                described.insert(head.substr(3));
        EXPECT_EQ(described, verbs);

        Words named;
        for (const std::string& head : ItemHeads(Section(text, {"OPTIONS", "OPTIONEN"})))
            for (auto m = std::sregex_iterator(head.begin(), head.end(), optionName);
                 m != std::sregex_iterator(); ++m) {
                std::string option = "--" + (*m)[1].str();
                option.erase(std::remove(option.begin() + 2, option.end(), '\\'), option.end());
                named.insert(option);
            }
        EXPECT_EQ(named, options);
    }
}

// Every verb is dispatched by its name, answers its --help with its own help
// and names itself in its usage lines.
TEST(Verbs, EachIsFoundByItsNameAndHelpsItself) {
    std::set<std::string> names;
    for (const Verb* verb : Verbs()) {
        EXPECT_TRUE(names.insert(verb->name).second) << verb->name << " twice";
        EXPECT_EQ(FindVerb(verb->name), verb);
        EXPECT_NE(std::string(verb->usage).find("vextondof " + std::string(verb->name) + " "),
                  std::string::npos)
            << verb->name;
        EXPECT_EQ(std::string(verb->help).rfind("Usage: vextondof " + std::string(verb->name), 0),
                  0u)
            << verb->name;
        for (const std::string& option : verb->own)
            EXPECT_NE(std::string(verb->help).find(option), std::string::npos)
                << verb->name << " " << option << " is not in its help";
    }
    EXPECT_EQ(FindVerb("calculator"), nullptr);
}

// A verb's file that the table does not list is never run: each
// cli/NAME_verb.cpp defines the entry of a verb the table holds.
TEST(Verbs, EveryVerbFileIsInTheTable) {
    std::set<std::string> defined;
    const std::regex entry(R"re(const Verb k\w+Verb\{\s*"([a-z]+)")re");
    for (const auto& file :
         std::filesystem::directory_iterator(std::string(SOURCE_FOLDER) + "/cli")) {
        const std::string name = file.path().filename().string();
        if (name.size() < 9 || name.compare(name.size() - 9, 9, "_verb.cpp") != 0)
            continue;
        const std::string text = FileText(file.path().string());
        const auto first = std::sregex_iterator(text.begin(), text.end(), entry);
        EXPECT_TRUE(first != std::sregex_iterator()) << name << " defines no verb's entry";
        for (auto m = first; m != std::sregex_iterator(); ++m)
            defined.insert((*m)[1]);
    }
    std::set<std::string> listed;
    for (const Verb* verb : Verbs())
        listed.insert(verb->name);
    EXPECT_EQ(defined, listed);
}
