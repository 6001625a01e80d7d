// A shoot of 1,000 JPEGs, each with its embedded preview: from File → Open
// Photos… answered with their folder to the grid filled with every row and
// painted, in the real program (its reader process, the shots worked out,
// the thumbnails of the rows shown); beside a bare Qt program that reads
// the same previews with exiv2 and fills a QTableWidget with them and the
// same fields. While the program reads, a key is posted to the grid every
// few milliseconds and the time until it arrives is noted: the window must
// answer within 50 ms throughout.
//   shoot-bench [PHOTOS]
#include "bench/in_process.h"
#include "framework/qt/dialog.h"
#include "resources/resource.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <exiv2/exiv2.hpp>
#include <filesystem>
#include <memory>

namespace {
using Clock = BenchClock;
namespace fs = std::filesystem;

int g_photos = 1000;
fs::path g_folder;
Clock::time_point g_commanded;

// A camera's JPEG of 640 × 480 with its 160 × 120 preview and the fields a
// shot needs; the shoot is copies of it under names of their own.
void MakeShoot() {
    g_folder = fs::temp_directory_path() / ("vextondof-shoot-bench-" + std::to_string(::getpid()));
    fs::create_directories(g_folder);
    const std::string first = (g_folder / "DSC_0000.JPG").string();
    QImage photo(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    photo.save(QString::fromStdString(first), "JPEG", 85);
    QByteArray preview;
    QBuffer buffer(&preview);
    buffer.open(QIODevice::WriteOnly);
    photo.scaled(160, 120).save(&buffer, "JPEG", 80);
    const std::unique_ptr<Exiv2::Image> image(Exiv2::ImageFactory::open(first).release());
    Exiv2::ExifData exif;
    exif["Exif.Image.Make"] = "NIKON CORPORATION";
    exif["Exif.Image.Model"] = "NIKON D70";
    exif["Exif.Photo.FocalLength"] = Exiv2::URational(35, 1);
    exif["Exif.Photo.FNumber"] = Exiv2::URational(56, 10);
    exif["Exif.Photo.SubjectDistance"] = Exiv2::URational(300, 100);
    exif["Exif.Photo.DateTimeOriginal"] = "2024:05:01 10:20:30";
    Exiv2::ExifThumb(exif).setJpegThumbnail(reinterpret_cast<const Exiv2::byte*>(preview.data()),
                                            static_cast<long>(preview.size()));
    image->setExifData(exif);
    image->writeMetadata();
    char name[32];
    for (int i = 1; i < g_photos; ++i) {
        std::snprintf(name, sizeof name, "DSC_%04d.JPG", i);
        fs::copy_file(first, g_folder / name);
    }
}

// The bare program: each photo's smallest preview read with exiv2 and
// decoded to a thumbnail, its fields read, a QTableWidget filled and painted.
double Bare(QSize size) {
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    const auto start = Clock::now();
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(g_folder))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    QTableWidget grid(static_cast<int>(files.size()), 4);
    grid.setHorizontalHeaderLabels({"File", "Camera", "Focal length", "Aperture"});
    grid.setIconSize(QSize(64, 48));
    for (std::size_t r = 0; r < files.size(); ++r) {
        const std::unique_ptr<Exiv2::Image> image(
            Exiv2::ImageFactory::open(files[r].string()).release());
        image->readMetadata();
        Exiv2::PreviewManager previews(*image);
        const Exiv2::PreviewPropertiesList list = previews.getPreviewProperties();
        QPixmap thumbnail;
        if (!list.empty()) {
            const Exiv2::PreviewImage p = previews.getPreviewImage(list.front());
            thumbnail.loadFromData(p.pData(), p.size());
        }
        const Exiv2::ExifData& exif = image->exifData();
        const int row = static_cast<int>(r);
        auto* file = new QTableWidgetItem(QString::fromStdString(files[r].filename().string()));
        file->setIcon(thumbnail.scaled(64, 48, Qt::KeepAspectRatio));
        grid.setItem(row, 0, file);
        const auto text = [&exif](const char* key) {
            const auto it = exif.findKey(Exiv2::ExifKey(key));
            return it == exif.end() ? QString() : QString::fromStdString(it->print(&exif));
        };
        grid.setItem(row, 1, new QTableWidgetItem(text("Exif.Image.Model")));
        grid.setItem(row, 2, new QTableWidgetItem(text("Exif.Photo.FocalLength")));
        grid.setItem(row, 3, new QTableWidgetItem(text("Exif.Photo.FNumber")));
    }
    grid.resize(size);
    grid.show();
    grid.repaint();
    return Ms(start, Clock::now());
}

// Keys posted to the grid while it fills, and how long each took to arrive.
class KeyWatch : public QObject {
  public:
    std::vector<double> waits;
    Clock::time_point posted;
    bool pending = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && pending) {
            waits.push_back(Ms(posted, Clock::now()));
            pending = false;
        }
        return false;
    }
};

void Finish(double ours, QSize size, const KeyWatch& keys) {
    const double bare = Bare(size);
    const double ratio = ours / bare;
    const double slowest =
        keys.waits.empty() ? 0 : *std::max_element(keys.waits.begin(), keys.waits.end());
    std::printf("a shoot of %d JPEGs with previews: Open Photos to the filled grid painted "
                "%.1f ms; a bare QTableWidget of exiv2's previews %.1f ms; ratio %.3f (target "
                "<= 1.30): %s; a key while it reads: median %.2f ms, slowest %.2f ms of %zu "
                "(target <= 50): %s\n",
                g_photos, ours, bare, ratio, ratio <= 1.3 ? "within target" : "MISSED",
                keys.waits.empty() ? 0.0 : Median(std::vector<double>(keys.waits)), slowest,
                keys.waits.size(), slowest <= 50 ? "within target" : "MISSED");
    std::fflush(stdout);
    std::error_code ignored;
    fs::remove_all(g_folder, ignored);
    std::_Exit(0);
}

// The form shown: the grid watched until every row is in, a key posted to
// it whenever the one before has arrived.
void Watch(QWidget* form) {
    auto* grid = form->findChild<QTableView*>(QString::number(IDC_SHOOT_GRID));
    if (!grid) {
        std::printf("shoot bench: the grid was not found\n");
        std::_Exit(1);
    }
    auto* keys = new KeyWatch;
    grid->installEventFilter(keys);
    auto* poll = new QTimer(form);
    QObject::connect(poll, &QTimer::timeout, form, [grid, keys] {
        if (grid->model()->rowCount() >= g_photos) {
            grid->viewport()->repaint();
            Finish(Ms(g_commanded, Clock::now()), grid->size(), *keys);
        }
        if (!keys->pending) {
            keys->pending = true;
            keys->posted = Clock::now();
            QCoreApplication::postEvent(
                grid, new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
        }
    });
    poll->start(5);
}

void OnFirstPaint(int templateId) {
    if (templateId == IDD_VEXTONDOFCE_DIALOG) {
        QMetaObject::invokeMethod(
            qApp,
            [] {
                g_commanded = Clock::now();
                SendCommandToWindow(MainForm(), ID_FILE_OPEN_PHOTOS);
            },
            Qt::QueuedConnection);
    } else if (templateId == IDD_SHOOT) {
        Watch(QApplication::activeModalWidget());
    }
}
} // namespace

int main(int argc, char** argv) {
    if (argc > 1)
        g_photos = std::max(2, std::atoi(argv[1]));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    {
        int qtArgc = 1;
        QApplication maker(qtArgc, argv); // the JPEGs made with Qt's own writer
        MakeShoot();
    }
    RunProgram(argv[0], &OnFirstPaint, {g_folder.string()});
    return 0;
}
