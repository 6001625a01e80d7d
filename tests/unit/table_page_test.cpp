// The DOF table on paper: every cell's text on its page as searchable text,
// nothing cut, the header again on each page a table continues on, and the
// same pages through a printer printing to a file.
#include "lists/choice_lists.h"
#include "resources/program_resources.h"
#include "table/table_page.h"
#include "test_folder.h"

#include "test_lenses.h"
#include <QApplication>
#include <QLocale>
#include <QPrinter>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {
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

// The PDFs are removed after the test, unless VEXTONDOF_KEEP_PDF names a
// folder to keep them in, for looking at.
struct Pdf {
    std::string path;
    ~Pdf() {
        if (const char* keep = std::getenv("VEXTONDOF_KEEP_PDF")) {
            std::error_code ignored;
            std::filesystem::copy_file(
                path, std::filesystem::path(keep) / std::filesystem::path(path).filename(),
                std::filesystem::copy_options::overwrite_existing, ignored);
        }
        std::filesystem::remove(path);
    }
    // The text of each page, as a reader copies it.
    std::vector<std::string> Pages() const {
        std::vector<std::string> pages;
        std::string all = Shell("pdftotext -layout '" + path + "' - 2>/dev/null");
        for (std::size_t at = 0; at < all.size();) {
            const std::size_t end = all.find('\f', at);
            pages.push_back(all.substr(at, end == std::string::npos ? end : end - at));
            at = end == std::string::npos ? all.size() : end + 1;
        }
        return pages;
    }
    std::string Info() const { return Shell("pdfinfo '" + path + "' 2>/dev/null"); }
};

// This run's folder for the PDFs.
const TestFolder& Pdfs() {
    static const TestFolder folder("table-pages");
    return folder;
}

Pdf Write(const QByteArray& bytes, const char* name) {
    Pdf pdf{(Pdfs() / name).string()};
    std::ofstream(pdf.path, std::ios::binary).write(bytes.data(), bytes.size());
    return pdf;
}

TableRequest Request(const char* focalLength, const char* unit, std::vector<double> distances) {
    TableRequest request;
    request.lens = ReadLens({focalLength, "", unit, "0.0300", 1.0, "", ""}, NumberSettings{});
    for (const NamedAperture& stop : MarkedStops(StopSteps::Whole))
        request.apertures.push_back(stop);
    request.distances = std::move(distances);
    request.selectedAperture = 7;
    return request;
}

const TablePageHeading kHeading{"Canon 1Ds", "50.00 mm", "0.030000 mm", "meters"};

std::string WithoutSpaces(std::string text) {
    std::erase(text, ' ');
    return text;
}

// Every header and cell of the table appears on the pages, whole (spaces
// aside: a reader of the PDF places them by the glyphs' positions).
void ExpectEveryText(const DofTable& table, const std::vector<std::string>& pages) {
    std::string all;
    for (const std::string& page : pages)
        all += WithoutSpaces(page);
    const auto has = [&](const std::string& text) {
        return all.find(WithoutSpaces(text)) != std::string::npos;
    };
    for (const std::string& column : table.columns)
        EXPECT_TRUE(has(column)) << column;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        EXPECT_TRUE(has(table.rows[r])) << table.rows[r];
        for (const std::string& cell : table.cells[r])
            EXPECT_TRUE(has(cell)) << table.rows[r] << ": " << cell;
    }
}
} // namespace

TEST(TablePage, EveryCellIsOnThePageAsTextAndTheNotesAndFooterToo) {
    const DofTable table = MakeTable(Request("50.0", "2", {0.5, 1, 2, 3, 5, 10}), NumberSettings{});
    const Pdf pdf = Write(TablePdf(table, kHeading), "vextondof-table-test.pdf");
    const std::vector<std::string> pages = pdf.Pages();
    ASSERT_FALSE(pages.empty()) << "pdftotext read nothing";
    ExpectEveryText(table, pages);
    EXPECT_NE(pages[0].find("Depth of Field Table"), std::string::npos);
    EXPECT_NE(pages[0].find("Camera: Canon 1Ds"), std::string::npos);
    EXPECT_NE(pages.back().find("Beyond f/16"), std::string::npos);
    EXPECT_NE(pages[0].find("Vexton.DOF.CE 1.1"), std::string::npos);
    // Fourteen apertures do not fit across a portrait page.
    EXPECT_NE(pdf.Info().find("842 x 595"), std::string::npos) << pdf.Info();
}

TEST(TablePage, ALongTableContinuesWithItsHeaderRepeated) {
    std::vector<double> distances;
    for (int i = 1; i <= 90; ++i)
        distances.push_back(i * 0.5);
    const DofTable table = MakeTable(Request("50.0", "2", distances), NumberSettings{});
    const std::vector<std::string> pages =
        Write(TablePdf(table, kHeading), "vextondof-long-table-test.pdf").Pages();
    ASSERT_GE(pages.size(), 2u);
    ExpectEveryText(table, pages);
    for (const std::string& page : pages) {
        const bool ofTheTable = page.find(" m ") != std::string::npos;
        EXPECT_TRUE(!ofTheTable || page.find("f/") != std::string::npos)
            << "the header on every page";
    }
}

// Every page stands alone: a continued page says in a line what the table
// is for (the diopter too), every page says which it is of how many, and a
// page showing a column diffraction softens carries the note that says so.
TEST(TablePage, EveryPageStandsAlone) {
    std::vector<double> distances;
    for (int i = 1; i <= 90; ++i)
        distances.push_back(i * 0.5);
    // With a +2 close-up lens, every row beyond 0.5 m is marked.
    TableRequest request = Request("50.0", "2", distances);
    request.lens.diopterText = "2";
    request.lens.diopter = 2;
    const DofTable table = MakeTable(request, NumberSettings{});
    Lens lens = request.lens;
    lens.cameraName = "Canon 1Ds";
    lens.unitName = "meters";
    const TablePageHeading heading = MakeTableHeading(lens, {});
    EXPECT_EQ(heading.focalLength, "45.45 mm (diopter 2)");
    EXPECT_EQ(heading.cocUsed, "0.030000 mm") << "said, though the lens names no aperture";
    const std::vector<std::string> pages =
        Write(TablePdf(table, heading), "vextondof-pages-test.pdf").Pages();
    ASSERT_GE(pages.size(), 3u);
    std::size_t pagesBeyondReach = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].find_first_not_of(" \n") == std::string::npos)
            continue; // after the last form feed
        const std::string& page = pages[i];
        EXPECT_NE(page.find("Page " + std::to_string(i + 1) + " of "), std::string::npos) << i;
        EXPECT_NE(page.find("45.45 mm (diopter 2)"), std::string::npos)
            << "the heading, page " << i;
        const bool marked = page.find("f/22 *") != std::string::npos;
        EXPECT_EQ(page.find("diffraction blurs more") != std::string::npos, marked)
            << "the note where a marked column is, page " << i;
        const bool beyondReach = WithoutSpaces(page).find("m\u2020") != std::string::npos;
        pagesBeyondReach += beyondReach;
        EXPECT_EQ(page.find("close-up lens focuses no farther") != std::string::npos, beyondReach)
            << "the note where a marked row is, page " << i;
    }
    EXPECT_GE(pagesBeyondReach, 3u) << "rows beyond a close-up lens's reach on most pages";
}

// A row nearer than the lens in use focuses is marked on the page, and its
// note stands beneath the table.
TEST(TablePage, TheNoteOfRowsNearerThanTheLensFocuses) {
    TableRequest request = Request("50.0", "2", {0.3, 0.5, 1});
    request.owned = Zoom("Old 50", 50, 50, 1.8, 1.8);
    request.owned->minFocus = 0.45;
    const DofTable table = MakeTable(request, NumberSettings{});
    Lens lens = request.lens;
    lens.cameraName = "Nikon D70";
    lens.unitName = "meters";
    const std::vector<std::string> pages =
        Write(TablePdf(table, MakeTableHeading(lens, {})), "vextondof-nearer-test.pdf").Pages();
    ASSERT_FALSE(pages.empty());
    EXPECT_NE(WithoutSpaces(pages.front()).find("0.3m\u2021"), std::string::npos) << pages.front();
    EXPECT_NE(pages.front().find("Nearer than this lens focuses: 0.45 m from the sensor."),
              std::string::npos)
        << pages.front();
}

// A table that fits one page is printed in a larger type than a long one.
TEST(TablePage, AOnePageTableUsesItsPage) {
    const auto wordHeight = [](const Pdf& pdf, const std::string& word) {
        const std::string xml = Shell("pdftotext -bbox '" + pdf.path + "' - 2>/dev/null");
        const std::size_t at = xml.find(">" + word + "<");
        const std::size_t open = xml.rfind("<word", at);
        const auto number = [&](const char* name) {
            const std::size_t p = xml.find(name, open);
            return std::stod(xml.substr(p + std::strlen(name)));
        };
        return at == std::string::npos ? 0.0 : number("yMax=\"") - number("yMin=\"");
    };
    TableRequest small = Request("50.0", "2", {1, 2, 3});
    small.apertures.resize(3);
    const Pdf onePage =
        Write(TablePdf(MakeTable(small, NumberSettings{}), kHeading), "vextondof-one-page.pdf");
    std::vector<double> distances(60, 1.0);
    for (std::size_t i = 0; i < distances.size(); ++i)
        distances[i] = 1 + static_cast<double>(i);
    TableRequest longer = Request("50.0", "2", distances);
    longer.apertures.resize(3);
    const Pdf manyPages =
        Write(TablePdf(MakeTable(longer, NumberSettings{}), kHeading), "vextondof-many-pages.pdf");
    EXPECT_GT(wordHeight(onePage, "Hyperfocal"), 1.15 * wordHeight(manyPages, "Hyperfocal"));
}

// However many rows, the notes share their page with the table's last row:
// no page holds the notes alone, on Letter as on A4.
TEST(TablePage, TheNotesNeverStandOnAPageAlone) {
    int notesAlone = 0;
    for (const Paper paper : {Paper::Letter, Paper::A4})
        for (int rows = 30; rows <= 58; rows += 2) {
            std::vector<double> distances;
            for (int i = 1; i <= rows; ++i)
                distances.push_back(i);
            TableRequest request = Request("50.0", "2", distances);
            request.apertures.resize(3);
            const DofTable table = MakeTable(request, NumberSettings{});
            const std::vector<std::string> pages =
                Write(TablePdf(table, kHeading, paper), "vextondof-notes-page.pdf").Pages();
            std::size_t last = pages.size();
            while (last > 0 && pages[last - 1].find_first_not_of(" \n") == std::string::npos)
                --last; // a reader's empty tail after the last form feed
            ASSERT_GT(last, 0u);
            const std::string& page = pages[last - 1];
            ASSERT_NE(page.find("Distances in meters"), std::string::npos) << rows;
            notesAlone += page.find(table.rows.back()) == std::string::npos;
            EXPECT_NE(page.find(table.rows.back()), std::string::npos)
                << rows << " rows: the notes' page holds no row";
        }
    EXPECT_EQ(notesAlone, 0);
}

// The locale's paper: Letter where the Americas' Letter countries use it, A4
// elsewhere, unless the paper is named.
TEST(TablePage, TheLocalesPaper) {
    const DofTable table = MakeTable(Request("50.0", "2", {1, 2}), NumberSettings{});
    const struct {
        const char *name, *locale;
        Paper paper;
        const char* size;
    } rows[] = {
        {"the United States", "en_US", Paper::OfTheLocale, "612 x 792"},
        {"Canada", "en_CA", Paper::OfTheLocale, "612 x 792"},
        {"Mexico", "es_MX", Paper::OfTheLocale, "612 x 792"},
        {"Germany", "de_DE", Paper::OfTheLocale, "595 x 842"},
        {"Britain", "en_GB", Paper::OfTheLocale, "595 x 842"},
        {"A4 named in the United States", "en_US", Paper::A4, "595 x 842"},
        {"Letter named in Germany", "de_DE", Paper::Letter, "612 x 792"},
    };
    const QLocale before;
    for (const auto& row : rows) {
        QLocale::setDefault(QLocale(QString::fromLatin1(row.locale)));
        const Pdf pdf = Write(TablePdf(table, kHeading, row.paper), "vextondof-paper-test.pdf");
        const std::string info = pdf.Info();
        // Landscape when the table is wide: either way round.
        std::string size = row.size;
        const std::size_t x = size.find(" x ");
        const std::string turned = size.substr(x + 3) + " x " + size.substr(0, x);
        EXPECT_TRUE(info.find(size) != std::string::npos || info.find(turned) != std::string::npos)
            << row.name << ": " << info;
    }
    QLocale::setDefault(before);
}

TEST(TablePage, APrinterPrintingToAFileGetsTheSamePages) {
    const DofTable table = MakeTable(Request("300.0", "3", {150, 250, 1000}), NumberSettings{});
    const Pdf pdf{(Pdfs() / "vextondof-print-test.pdf").string()};
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.path));
        PaintTablePages(printer, table, kHeading);
    }
    ExpectEveryText(table, pdf.Pages());
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterProgramResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
