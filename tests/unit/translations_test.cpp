// The program's translations, as kept in resources/translations: every text
// translated in German and French, no place (%1, %n) lost or added, each
// mnemonic kept and unique among the texts of its form or menu.
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
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
