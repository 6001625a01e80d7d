// The program's translations, as kept in resources/translations: every text
// translated in German and French, no place (%1, %n) lost or added, each
// mnemonic kept and unique among the texts of its form or menu.
#include "app/rooms.h"
#include "framework/base/resources.h"
#include "resources/program_resources.h"
#include "resources/resource.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <regex>
#include <set>

namespace {
struct Message {
    QString context, source, translation, type;
};

std::vector<Message> Read(const QString& path) {
    std::vector<Message> messages;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QStringLiteral("name"))
            context = xml.readElementText();
        else if (xml.name() == QStringLiteral("source"))
            m = {context, xml.readElementText(), {}, {}};
        else if (xml.name() == QStringLiteral("translation")) {
            m.type = xml.attributes().value(QStringLiteral("type")).toString();
            m.translation = xml.readElementText();
            messages.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

std::multiset<QString> Places(const QString& text) {
    std::multiset<QString> places;
    static const QRegularExpression place(QStringLiteral("%(\\d|n)"));
    for (auto m = place.globalMatch(text); m.hasNext();)
        places.insert(m.next().captured(0));
    return places;
}

// The letter after a single "&", lower-cased; none without one.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}
} // namespace

TEST(Translations, EveryTextTranslatedWithItsPlacesAndMnemonics) {
    const std::vector<Message> german = Read(QStringLiteral(TRANSLATIONS "/vextondof_de.ts"));
    const std::vector<Message> french = Read(QStringLiteral(TRANSLATIONS "/vextondof_fr.ts"));
    ASSERT_GT(german.size(), 100u);
    ASSERT_EQ(german.size(), french.size()) << "the same texts in both";
    for (const auto* language : {&german, &french}) {
        std::map<QString, std::map<QChar, QString>> mnemonics; // context: letter, text
        for (const Message& m : *language) {
            const std::string where = (m.context + QStringLiteral(": ") + m.source).toStdString();
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            EXPECT_FALSE(m.translation.isEmpty()) << where;
            EXPECT_EQ(Places(m.translation), Places(m.source)) << where;
            const QChar source = Mnemonic(m.source), translated = Mnemonic(m.translation);
            EXPECT_EQ(source.isNull(), translated.isNull())
                << where << ": the mnemonic, in " << m.translation.toStdString();
            if (translated.isNull())
                continue;
            auto [at, fresh] = mnemonics[m.context].emplace(translated, m.translation);
            EXPECT_TRUE(fresh) << where << ": " << m.translation.toStdString() << " and "
                               << at->second.toStdString() << " share a mnemonic";
        }
    }
}

// Each menu bar, as the menus' table and the rooms build it, in English, German and
// French: every menu and every item has a mnemonic, the bar's menus differ
// in theirs and so do each menu's items, and no two items share a shortcut.
TEST(Translations, EachMenuBarsMnemonicsAndShortcutsAreUniqueInEveryLanguage) {
    RegisterProgramResources();
    RegisterMenuBar();                                                      // with the rooms' lines
    std::map<std::pair<QString, QString>, QString> german, french, english; // (context, source)
    for (const Message& m : Read(QStringLiteral(TRANSLATIONS "/vextondof_de.ts")))
        german[{m.context, m.source}] = m.translation;
    for (const Message& m : Read(QStringLiteral(TRANSLATIONS "/vextondof_fr.ts")))
        french[{m.context, m.source}] = m.translation;
    const MenuTemplate* bar = FindMenuTemplate(IDD_VEXTONDOFCE_DIALOG);
    ASSERT_TRUE(bar);
    for (const auto* language : {&english, &german, &french}) {
        const auto shown = [language](const QString& context, const char* text) {
            const auto found = language->find({context, QString::fromUtf8(text)});
            return found == language->end() ? QString::fromUtf8(text) : found->second;
        };
        std::map<QChar, QString> menus;
        std::map<std::string, QString> shortcuts;
        for (const MenuPopup& popup : bar->popups) {
            const QString title = shown(QStringLiteral("Menu"), popup.text);
            EXPECT_FALSE(Mnemonic(title).isNull()) << title.toStdString();
            EXPECT_TRUE(menus.emplace(Mnemonic(title), title).second)
                << title.toStdString() << " shares its mnemonic with another menu";
            const QString context =
                QString::fromUtf8(popup.text).remove(QLatin1Char('&')) + QStringLiteral(" menu");
            std::map<QChar, QString> items;
            for (const MenuItem& item : popup.items) {
                const QString text = shown(context, item.text);
                const auto [at, fresh] = items.emplace(Mnemonic(text), text);
                EXPECT_FALSE(Mnemonic(text).isNull()) << text.toStdString();
                EXPECT_TRUE(fresh) << text.toStdString() << " and " << at->second.toStdString()
                                   << " share a mnemonic";
                if (item.shortcut) {
                    EXPECT_TRUE(shortcuts.emplace(item.shortcut, text).second)
                        << item.shortcut << " is the shortcut of " << text.toStdString()
                        << " and of " << shortcuts[item.shortcut].toStdString();
                }
            }
        }
    }
}

// A form's texts are looked up with its caption as their context: in each
// form's template every marked text is in the caption's own context, or a
// translated program shows it in English.
TEST(Translations, EachFormsTextsAreInItsCaptionsContext) {
    std::ifstream sources(TRANSLATED_SOURCES);
    const std::regex marked(R"re(TR_NOOP\(\s*"([^"]*)",\s*"([^"]*)")re");
    int forms = 0;
    for (std::string path; std::getline(sources, path);) {
        const std::string end = "_template.cpp";
        if (path.size() < end.size() || path.compare(path.size() - end.size(), end.size(), end))
            continue;
        std::ifstream file(path);
        const std::string text(std::istreambuf_iterator<char>(file), {});
        auto mark = std::sregex_iterator(text.begin(), text.end(), marked);
        if (mark == std::sregex_iterator()) // the framework's, of no form
            continue;
        const std::string caption = (*mark)[2];
        EXPECT_EQ((*mark)[1], caption) << path << ": the caption in its own context";
        for (; mark != std::sregex_iterator(); ++mark)
            EXPECT_EQ((*mark)[1], caption) << path << ": " << (*mark)[2];
        ++forms;
    }
    EXPECT_GE(forms, 9);
}
