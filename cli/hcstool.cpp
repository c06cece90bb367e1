// hcstool: checks and converts character files without the window.
//   hcstool info FILE        prints the character as one JSON object
//   hcstool resave IN OUT    loads IN and saves it to OUT
//   hcstool pdf IN OUT.pdf   loads IN and paints its character sheet into OUT.pdf
// Exit status: 0 done, 1 a file could not be loaded or saved (the reason is
// on stderr), 2 wrong usage.

#include "uCharacterJson.h"
#include "uHalvaneXMLDAO.h"
#ifdef HALVANE_HCSTOOL_PDF
#include "uSheetPdf.h"
#endif

#include <cstdio>
#include <exception>
#include <iostream>
#include <span>
#include <string>
#include <string_view>

namespace {

using halvane::THalvaneXMLDAO;

constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

int Info(std::span<char*> args) {
    THalvaneXMLDAO store;
    store.FileName = args[0];
    const auto character = store.Load();
    // Names may hold bytes that are not UTF-8; show them replaced rather than fail.
    std::cout << halvane::CharacterToJson(*character).dump(
                     -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
              << '\n';
    return ExitOk;
}

int Resave(std::span<char*> args) {
    THalvaneXMLDAO in;
    in.FileName = args[0];
    const auto character = in.Load();
    THalvaneXMLDAO out;
    out.FileName = args[1];
    out.Save(*character);
    return ExitOk;
}

#ifdef HALVANE_HCSTOOL_PDF
int Pdf(std::span<char*> args) {
    THalvaneXMLDAO in;
    in.FileName = args[0];
    const auto character = in.Load();
    halvane::WriteSheetPdf(*character, args[1]);
    return ExitOk;
}
#endif

struct TCommand {
    std::string_view Name;
    std::string_view Arguments;
    std::size_t ArgumentCount;
    int (*Run)(std::span<char*> args);
};

// One row per command; a new command is a new row and its function.
constexpr TCommand Commands[] = {
    {"info", "FILE", 1, Info},
    {"resave", "IN OUT", 2, Resave},
#ifdef HALVANE_HCSTOOL_PDF
    {"pdf", "IN OUT.pdf", 2, Pdf},
#endif
};

int Usage() {
    std::cerr << "usage:\n";
    for (const TCommand& command : Commands)
        std::cerr << "  hcstool " << command.Name << ' ' << command.Arguments << '\n';
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    const std::span<char*> args(argv, static_cast<std::size_t>(argc));
    if (args.size() < 2) return Usage();
    for (const TCommand& command : Commands) {
        if (command.Name != args[1]) continue;
        if (args.size() - 2 != command.ArgumentCount) return Usage();
        try {
            const int status = command.Run(args.subspan(2));
            std::cout.flush();
            if (!std::cout) {
                std::cerr << "hcstool: cannot write the output\n";
                return ExitFailure;
            }
            return status;
        } catch (const std::exception& e) {
            std::cerr << e.what() << '\n';
            return ExitFailure;
        }
    }
    return Usage();
}
