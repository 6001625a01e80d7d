#pragma once
// The program's window and its drawing, a module the program loads only when
// a person asks for the window, a PDF or an image: the verbs that write
// text run without Qt's libraries. The module's one entry point,
// `vexton_window_module`, gives these.

#include "cli/terminal.h"

struct WindowModule {
    // The window's whole life, as a program's main: its exit status.
    int (*run)(int argc, char** argv);
    // The PDFs and images the verbs write (cli/drawing.h).
    bool (*tablePdf)(const DofTable& table, const TablePageHeading& heading,
                     std::optional<bool> letter, const OutputSink& sink);
    std::string (*chart)(const DofChart& chart, const TablePageHeading& heading, ChartFormat format,
                         std::optional<bool> letter, const OutputSink& sink);
};

// The module's file, beside the program in a build, with its other modules
// when installed. (The start-up benchmark builds the program once more
// over a module of its own that ends at the first paint.)
#ifndef VEXTON_WINDOW_MODULE
#define VEXTON_WINDOW_MODULE "libvexton-window.so"
#endif
inline constexpr char kWindowModuleFile[] = VEXTON_WINDOW_MODULE;
