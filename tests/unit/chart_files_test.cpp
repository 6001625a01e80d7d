// The DOF chart in the files a person shares, made by the built program's
// chart verb with no display: the SVG read back (every label there, nothing
// outside its view box), the PDF's text (the heading, every zone), the PNG
// at twice its size; and each written whole or not at all. The program's
// path comes from VEXTONDOF_PROGRAM.
#include "test_folder.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QTransform>
#include <QXmlStreamReader>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace {
namespace fs = std::filesystem;

struct ProgramRun {
    std::string out, err;
    int status = -1;
};

// The program with `args`, no display, in a home of its own.
ProgramRun Program(const std::string& args) {
    const char* program = std::getenv("VEXTONDOF_PROGRAM");
    const TestFolder folder("chart-home");
    const fs::path home = folder.Path();
    const fs::path err = home / "err";
    const std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C.UTF-8 HOME=" + home.string() +
        " XDG_CONFIG_HOME=" + home.string() + "/config " + program + " chart " + args + " 2>" +
        err.string();
    ProgramRun run;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ifstream in(err);
    run.err.assign(std::istreambuf_iterator<char>(in), {});
    return run;
}

std::string Shell(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

const char kLens[] =
    "--camera 'Canon 1Ds' --focal-length 50 --aperture f/8 --unit meters --distance 3 ";
// What the zone at 3 m says beside its bars: the table's cells.
const char* const kZones[] = {"2.72 \u2013 3.34", "2.32 \u2013 4.23", "1.65 \u2013 16.89"};

// This run's folder for the files the tests write.
const TestFolder& Outputs() {
    static const TestFolder folder("chart-files");
    return folder;
}

fs::path Output(const char* name) {
    return Outputs() / name;
}

// Each text of an SVG with where it stands, its groups' transforms applied.
struct SvgText {
    QString text;
    QPointF at;
};
// The highest point any path reaches (the least y).
double HighestPathPoint(const QByteArray& bytes) {
    double top = 1e9;
    QXmlStreamReader xml(bytes);
    const QRegularExpression pair(QStringLiteral("[ML]([-0-9.]+),([-0-9.]+)"));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QStringLiteral("path"))
            for (auto m = pair.globalMatch(xml.attributes().value(QStringLiteral("d")).toString());
                 m.hasNext();)
                top = std::min(top, m.next().captured(2).toDouble());
    return top;
}
std::vector<SvgText> ReadSvg(const QByteArray& bytes, QRectF& viewBox) {
    std::vector<SvgText> texts;
    std::vector<QTransform> groups{QTransform()};
    QXmlStreamReader xml(bytes);
    const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QStringLiteral("svg")) {
            const QStringList box = xml.attributes()
                                        .value(QStringLiteral("viewBox"))
                                        .toString()
                                        .split(QLatin1Char(' '));
            if (box.size() == 4)
                viewBox = QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(),
                                 box[3].toDouble());
        } else if (xml.isStartElement() && xml.name() == QStringLiteral("g")) {
            QTransform t;
            const auto m =
                matrix.match(xml.attributes().value(QStringLiteral("transform")).toString());
            if (m.hasMatch()) {
                const QStringList v = m.captured(1).split(QLatin1Char(','));
                if (v.size() == 6)
                    t = QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(),
                                   v[3].toDouble(), v[4].toDouble(), v[5].toDouble());
            }
            groups.push_back(t * groups.back());
        } else if (xml.isEndElement() && xml.name() == QStringLiteral("g")) {
            groups.pop_back();
        } else if (xml.isStartElement() && xml.name() == QStringLiteral("text")) {
            const QPointF at(xml.attributes().value(QStringLiteral("x")).toDouble(),
                             xml.attributes().value(QStringLiteral("y")).toDouble());
            const QPointF mapped = groups.back().map(at);
            texts.push_back({xml.readElementText(), mapped});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}
} // namespace

// Every label drawn is in the SVG as text, and stands inside its view box.
TEST(ChartFiles, TheSvgHoldsEveryLabelInsideItsViewBox) {
    if (!std::getenv("VEXTONDOF_PROGRAM"))
        GTEST_SKIP() << "VEXTONDOF_PROGRAM names no program";
    for (const char* view : {"zone", "limits"}) {
        const fs::path svg = Output("vextondof-chart.svg");
        const ProgramRun run =
            Program(std::string(kLens) + "--view " + view + " --output " + svg.string());
        ASSERT_EQ(run.status, 0) << run.err;
        std::ifstream in(svg, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        QRectF box;
        const std::vector<SvgText> texts = ReadSvg(QByteArray::fromStdString(bytes), box);
        ASSERT_FALSE(box.isEmpty()) << view;
        QStringList all;
        for (const SvgText& t : texts) {
            all << t.text;
            EXPECT_TRUE(box.contains(t.at)) << view << ": \"" << t.text.toStdString() << "\" at "
                                            << t.at.x() << "," << t.at.y();
        }
        const QString joined = all.join(QLatin1Char('|'));
        for (const char* label : {"f/2.8", "f/8", "f/22", "1 m", "10 m", "\u221E"})
            EXPECT_TRUE(all.contains(QString::fromUtf8(label)))
                << view << ": " << label << " in " << joined.toStdString();
        // What it is of, as the PDF's heading says it: the camera, the focal
        // length, the circle of confusion, the unit.
        EXPECT_TRUE(joined.contains(QStringLiteral(
            "Canon 1Ds, 50.00 mm, circle of confusion 0.030800 mm, distances in meters")))
            << view << ": " << joined.toStdString();
        if (std::string(view) == "zone")
            for (const char* zone : kZones)
                EXPECT_TRUE(all.contains(QString::fromUtf8(zone))) << zone;
        else
            EXPECT_TRUE(joined.contains(QStringLiteral("Focus distance (meters)")));
        // Nothing drawn runs over the title, the first text: an SVG has no
        // clip, so what leaves the plot must be cut by the drawing itself.
        ASSERT_FALSE(texts.empty());
        EXPECT_GT(HighestPathPoint(QByteArray::fromStdString(bytes)), texts.front().at.y()) << view;
        fs::remove(svg);
    }
}

// The PDF page under the table's heading, searchable; the PNG at twice the
// size, in the chart's colours.
TEST(ChartFiles, ThePdfAndThePng) {
    if (!std::getenv("VEXTONDOF_PROGRAM"))
        GTEST_SKIP() << "VEXTONDOF_PROGRAM names no program";
    const fs::path pdf = Output("vextondof-chart.pdf");
    ASSERT_EQ(Program(std::string(kLens) + "--paper a4 --output " + pdf.string()).status, 0);
    const std::string text = Shell("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
    for (const char* line : {"Depth of Field Chart", "Camera: Canon 1Ds", "Focal length: 50.00 mm",
                             "Distances in meters", "Sharp zone when focused at 3 m"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in:\n" << text;
    for (const char* zone : kZones)
        EXPECT_NE(text.find(zone), std::string::npos) << zone;
    EXPECT_NE(Shell("pdfinfo '" + pdf.string() + "'").find("842 x 595 pts (A4)"),
              std::string::npos); // landscape
    // Its notes as searchable as the table's: no ligature in "diffraction".
    ASSERT_EQ(Program(std::string(kLens) + "--cofc 0.02 --output " + pdf.string()).status, 0);
    EXPECT_NE(Shell("pdftotext '" + pdf.string() + "' - 2>/dev/null")
                  .find("diffraction blurs more than the circle of confusion allows"),
              std::string::npos);
    fs::remove(pdf);

    const fs::path png = Output("vextondof-chart.png");
    ASSERT_EQ(Program(std::string(kLens) + "--output " + png.string()).status, 0);
    const QImage image(QString::fromStdString(png.string()));
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 1600); // twice 800
    EXPECT_TRUE(image.text(QStringLiteral("Description"))
                    .startsWith(QStringLiteral("Canon 1Ds, 50.00 mm, circle of confusion")))
        << image.text(QStringLiteral("Description")).toStdString();
    bool blue = false; // the first aperture's bar
    for (int y = 0; y < image.height() && !blue; y += 2)
        for (int x = 0; x < image.width() && !blue; x += 2)
            blue = image.pixelColor(x, y) == QColor(0x00, 0x72, 0xB2);
    EXPECT_TRUE(blue);
    fs::remove(png);
}

// Refused, not understood, or not written: said, the exit status, no file.
TEST(ChartFiles, WrittenWholeOrNotAtAll) {
    if (!std::getenv("VEXTONDOF_PROGRAM"))
        GTEST_SKIP() << "VEXTONDOF_PROGRAM names no program";
    const fs::path folder = Output("vextondof-chart-folder");
    fs::create_directories(folder);
    struct Row {
        const char* name;
        std::string args;
        int status;
        const char* said;
    };
    const Row rows[] = {
        {"no distance for the zone", "--output " + (folder / "a.svg").string(), 1,
         "drawn at a distance"},
        {"a distance refused", "--distance far --output " + (folder / "a.svg").string(), 1,
         "\"far\" is not a positive distance"},
        {"no format", "--distance 3 --output " + (folder / "a.txt").string(), 2, "--format takes"},
        {"an unknown view", "--distance 3 --view wide --format svg", 2,
         "--view takes zone or limits"},
        {"a folder that is not there",
         "--distance 3 --output " + (folder / "missing" / "a.png").string(), 1, "missing"},
        {"a folder", "--distance 3 --format svg --output " + folder.string(), 1, "is a folder"},
        {"a folder not yet there",
         "--distance 3 --format svg --output " + (folder / "new").string() + "/", 1, "is a folder"},
    };
    for (const Row& row : rows) {
        const ProgramRun run = Program(row.args);
        EXPECT_EQ(run.status, row.status) << row.name << ": " << run.err;
        EXPECT_NE(run.err.find(row.said), std::string::npos) << row.name << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << row.name;
    }
    EXPECT_TRUE(fs::is_empty(folder)) << "nothing left behind";
    fs::remove_all(folder);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
