// twtool: the command-line companion of Tallywick.
//   twtool dump FILE        the document as JSON on standard output
//   twtool convert IN OUT   reads any layout, writes the current one
//   twtool new OUT          writes a new empty document
//   twtool export IN OUT    the program's Export of IN, with the settings stored in it
//   twtool summary IN [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by project|category|client]
//                     [--marked] [--csv]   totals per item and a grand total
// Errors: one line on standard error, exit status 1, nothing written.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "doc/document.h"
#include "tools/twtool/document_io.h"
#include "tools/twtool/dump_document.h"
#include "tools/twtool/export_command.h"
#include "tools/twtool/json_writer.h"
#include "tools/twtool/summary_command.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "framework/win32/win32_file_replace.h"
#endif

namespace tw::twtool {

namespace {

int Fail(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    std::fprintf(stderr, "twtool: %s\n", line.c_str());
    return 1;
}

int Usage() {
    return Fail(
        "usage: twtool dump FILE | convert IN OUT | new OUT | export IN OUT | summary IN "
        "[--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by project|category|client] [--marked] "
        "[--csv]");
}

int Dump(const std::string& path) {
    CWorkmetrDoc doc;
    std::string error;
    if (!OpenDocumentFile(path, doc, error)) return Fail(error);
    JsonWriter json(stdout);
    DumpDocument(doc, json);
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the output");
}

int Convert(const std::string& in, const std::string& out) {
    CWorkmetrDoc doc;
    std::string error;
    if (!OpenDocumentFile(in, doc, error)) return Fail(error);
    if (!SaveDocumentFile(out, doc, error)) return Fail(error);
    return 0;
}

int New(const std::string& out) {
    CWorkmetrDoc doc;
    std::string error;
    if (!SaveDocumentFile(out, doc, error)) return Fail(error);
    return 0;
}

int Export(const std::string& in, const std::string& out) {
    std::string error;
    return ExportCommand(in, out, error) ? 0 : Fail(error);
}

int Summary(const std::vector<std::string>& args) {
    std::string report, error;
    if (!SummaryCommand(args, report, error)) return Fail(error);
    std::fwrite(report.data(), 1, report.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the output");
}

int Run(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "dump" && argc == 3) return Dump(argv[2]);
    if (command == "convert" && argc == 4) return Convert(argv[2], argv[3]);
    if (command == "new" && argc == 3) return New(argv[2]);
    if (command == "export" && argc == 4) return Export(argv[2], argv[3]);
    if (command == "summary" && argc >= 3)
        return Summary(std::vector<std::string>(argv + 2, argv + argc));
    return Usage();
}

}  // namespace

}  // namespace tw::twtool

int main(int argc, char** argv) {
#ifdef _WIN32
    static tw::Win32FileReplace replace;
    tw::SetFileReplaceService(&replace);
    _setmode(_fileno(stdout), _O_BINARY);  // the same bytes as the native tool writes
#endif
    return tw::twtool::Run(argc, argv);
}
