#include "shell/wx/settings_store.h"

#include <cstdlib>
#include <memory>

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/log.h>

#include "lifecycle/stored_settings.h"
#include "shell/wx/language.h"
#include "shell/wx/wx_text.h"

#ifndef __WXMSW__
#include <wx/fileconf.h>
#endif

namespace {

#ifdef __WXMSW__
constexpr const char* registry_key = "HKEY_CURRENT_USER\\Software\\Quillmoor\\Sudoku";

std::unique_ptr<wxConfigBase> open_store() {
    return std::make_unique<wxConfig>("Sudoku", "Quillmoor", wxEmptyString, wxEmptyString,
                                      wxCONFIG_USE_LOCAL_FILE);
}
#else
// The file, or empty when the environment names no home for it. As other
// XDG folders, XDG_CONFIG_HOME counts only as an absolute path.
wxString store_file() {
    wxString folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') {
        folder = wxString::FromUTF8(config);
    } else if (const char* home = std::getenv("HOME"); home && *home == '/') {
        folder = wxString::FromUTF8(home) + "/.config";
    } else {
        return {};
    }
    return folder + "/sudoku/settings.conf";
}

std::unique_ptr<wxConfigBase> open_store() {
    const wxString file = store_file();
    if (file.empty()) {
        return nullptr;
    }
    return std::make_unique<wxFileConfig>(wxEmptyString, wxEmptyString, file, wxEmptyString,
                                          wxCONFIG_USE_LOCAL_FILE);
}
#endif

}  // namespace

std::string settings_place() {
#ifdef __WXMSW__
    return registry_key;
#else
    const wxString file = store_file();
    return file.empty() ? std::string("$XDG_CONFIG_HOME/sudoku/settings.conf") : file.utf8_string();
#endif
}

sudoku::Settings read_settings() {
    // A broken store is the defaults, not a message box.
    const wxLogNull quiet;
    const std::unique_ptr<wxConfigBase> store = open_store();
    if (!store) {
        return {};
    }
    return sudoku::settings_from([&store](const std::string& key) -> std::optional<std::string> {
        wxString value;
        if (!store->Read(wx_text(key), &value)) {
            return std::nullopt;
        }
        return value.utf8_string();
    });
}

std::string start_with_settings(const wxString& asked) {
    sudoku::use_settings(read_settings());
    return use_language(
        !asked.empty() ? asked : wx_text(sudoku::language_code(sudoku::settings().language)));
}

void write_settings(const sudoku::Settings& settings) {
    const wxLogNull quiet;
    const std::unique_ptr<wxConfigBase> store = open_store();
    if (!store) {
        return;
    }
#ifndef __WXMSW__
    wxFileName::Mkdir(wxFileName(store_file()).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
#endif
    for (const auto& [key, value] : sudoku::stored_values(settings)) {
        store->Write(wx_text(key), wx_text(value));
    }
    store->Flush();
}
