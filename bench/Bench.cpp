// Times the import of generated pocket queries of 1,000, 10,000 and 65,535
// caches against a bare expat parse of the same file, and the exports of the
// largest list against a plain write and sync of the same bytes; measures the
// peak memory of an import into an empty list against the file's size.

#include "CacheReceiver.h"
#include "CheckBox.h"
#include "Dialogs.h"
#include "GeneratedGpx.h"
#include "Listbox.h"
#include "PopupMenu.h"
#include "PushButton.h"
#include "RadioButton.h"
#include "WndMain.h"

#include <QApplication>

#include <expat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void XMLCALL NoStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL NoEnd(void*, const XML_Char*) {}
void XMLCALL NoCharacters(void*, const XML_Char*, int) {}

// expat alone, with empty handlers, fed in the chunks the program uses.
void BareExpatParse(const std::filesystem::path& file) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetElementHandler(parser, NoStart, NoEnd);
    XML_SetCharacterDataHandler(parser, NoCharacters);
    const int descriptor = open(file.c_str(), O_RDONLY);
    constexpr int chunk = 256 * 1024;
    while (true) {
        void* buffer = XML_GetBuffer(parser, chunk);
        const ssize_t bytes = read(descriptor, buffer, chunk);
        if (XML_ParseBuffer(parser, static_cast<int>(bytes), bytes == 0) != XML_STATUS_OK) {
            std::cerr << "bare parse failed: " << XML_ErrorString(XML_GetErrorCode(parser)) << "\n";
            break;
        }
        if (bytes == 0) {
            break;
        }
    }
    close(descriptor);
    XML_ParserFree(parser);
}

std::shared_ptr<WndMain> FreshWindow() {
    ReleaseWindows();
    return WndMain::WndMain_();
}

void Import(WndMain& window, DialogScript& dialogs, const std::filesystem::path& file, int mode) {
    window.RbtImport(mode)->Value(true);
    dialogs.QueueFile(file);
    window.BtnImport()->Push();
}

long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Writes the bytes to the file in one call and puts them on the disk, as an
// export must before it replaces a file.
void PlainSyncedWrite(const std::filesystem::path& file, const std::string& bytes) {
    const int descriptor = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    std::size_t written = 0;
    while (descriptor >= 0 && written < bytes.size()) {
        const ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count <= 0) {
            std::cerr << "plain write failed\n";
            break;
        }
        written += static_cast<std::size_t>(count);
    }
    if (descriptor < 0 || fsync(descriptor) != 0 || close(descriptor) != 0) {
        std::cerr << "plain write failed\n";
    }
}

// Presses an export button and returns the median time of the runs, and that
// of writing and syncing the exported bytes plainly.
std::pair<double, double> MeasureExport(PushButton& button, DialogScript& dialogs,
                                        const std::filesystem::path& file, int runs) {
    std::vector<double> exports, plain;
    for (int run = 0; run < runs; ++run) {
        dialogs.QueueFile(file);
        exports.push_back(Seconds([&] { button.Push(); }));
        const std::string bytes = Contents(file);
        plain.push_back(Seconds([&] { PlainSyncedWrite(file, bytes); }));
    }
    return {Median(exports), Median(plain)};
}

void MeasureExports(const std::filesystem::path& gpx, const std::filesystem::path& folder,
                    DialogScript& dialogs) {
    std::shared_ptr<WndMain> window = FreshWindow();
    Import(*window, dialogs, gpx, 1);
    window->ChkNoUnknowns()->Value(false);
    std::printf("\n%-28s %8s %9s %9s %7s\n", "export of 65,535 rows", "MB", "export s", "plain s",
                "ratio");
    const auto report = [&](const char* what, PushButton& button, const char* name) {
        const std::filesystem::path file = folder / name;
        const auto [exported, plain] = MeasureExport(button, dialogs, file, 5);
        std::printf("%-28s %8.1f %9.3f %9.3f %7.2f\n", what,
                    static_cast<double>(std::filesystem::file_size(file)) / 1e6, exported, plain,
                    exported / plain);
    };
    report("GPX, options off", *window->BtnExportGPX(), "export.gpx");
    window->ChkModify()->Value(true);
    report("GPX, rewrite on (layout 0)", *window->BtnExportGPX(), "export.gpx");
    window->PumModify()->ListIndex(1);
    report("GPX, rewrite on (layout 1)", *window->BtnExportGPX(), "export.gpx");
    report("CSV", *window->BtnExportCSV(), "export.csv");
}

struct Timings {
    double bare, add, replace, subtract;
};

Timings Measure(const std::filesystem::path& file, int runs, DialogScript& dialogs) {
    std::vector<double> bare, add, replace, subtract;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(Seconds([&] { BareExpatParse(file); }));

        std::shared_ptr<WndMain> window = FreshWindow();
        add.push_back(Seconds([&] { Import(*window, dialogs, file, 1); }));
        replace.push_back(Seconds([&] { Import(*window, dialogs, file, 0); }));
        subtract.push_back(Seconds([&] { Import(*window, dialogs, file, 2); }));
        if (window->LbxCaches()->ListCount() != 0) {
            std::cerr << "subtract left rows behind\n";
        }
    }
    return {Median(bare), Median(add), Median(replace), Median(subtract)};
}

// Run in a child process, so that the peak is that of this one import.
int PeakAfterAdd(const std::filesystem::path& file) {
    DialogScript dialogs;
    std::shared_ptr<WndMain> window = WndMain::WndMain_();
    Import(*window, dialogs, file, 1);
    std::cout << PeakKilobytes() << " " << window->LbxCaches()->ListCount() << std::endl;
    window.reset();
    ReleaseWindows();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    CacheReceiver::InstallAccessor([]() -> CacheReceiver& { return *WndMain::WndMain_(); });
    if (argc == 3 && std::string(argv[1]) == "--peak-after-add") {
        return PeakAfterAdd(argv[2]);
    }

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "orlimex-bench";
    std::filesystem::create_directories(folder);
    DialogScript dialogs;
    std::printf("%8s %9s %9s %9s %9s %9s %7s %7s %7s\n", "caches", "MB", "expat s", "add s",
                "replace s", "subtr. s", "add/x", "repl/x", "subt/x");
    std::filesystem::path largest;
    for (const auto& [caches, runs] :
         {std::pair{1000, 7}, std::pair{10000, 5}, std::pair{65535, 3}}) {
        const std::filesystem::path file = folder / ("caches-" + std::to_string(caches) + ".gpx");
        WriteGeneratedGpx(file, caches);
        largest = file;
        const Timings t = Measure(file, runs, dialogs);
        std::printf("%8d %9.1f %9.3f %9.3f %9.3f %9.3f %7.2f %7.2f %7.2f\n", caches,
                    static_cast<double>(std::filesystem::file_size(file)) / 1e6, t.bare, t.add,
                    t.replace, t.subtract, t.add / t.bare, t.replace / t.bare, t.subtract / t.bare);
    }
    MeasureExports(largest, folder, dialogs);
    ReleaseWindows();

    const std::string command = std::string(argv[0]) + " --peak-after-add " + largest.string();
    if (FILE* child = popen(command.c_str(), "r")) {
        long peakKilobytes = 0;
        long rows = 0;
        if (std::fscanf(child, "%ld %ld", &peakKilobytes, &rows) == 2) {
            const double fileMegabytes =
                static_cast<double>(std::filesystem::file_size(largest)) / 1e6;
            std::printf(
                "peak memory after adding %ld caches: %.1f MB = %.2f x the file's %.1f MB\n", rows,
                static_cast<double>(peakKilobytes) * 1024 / 1e6,
                static_cast<double>(peakKilobytes) * 1024 / 1e6 / fileMegabytes, fileMegabytes);
        }
        pclose(child);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
