#include "shell/wx/language.h"

#include <clocale>
#include <cstdlib>

#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>
#include <wx/uilocale.h>

#include "board/translation.h"

namespace {

constexpr const char* domain = "sudoku";

// The program's own folder keeps the catalogs in the build tree and in the
// Windows folder; an installed program finds them under share/locale.
void look_beside_the_program() {
    const wxString folder = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(folder + "/locale");
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(folder + "/../share/locale");
}

#ifndef __WXMSW__
// GTK looks its own texts up with gettext (OK, Cancel, the file chooser),
// which follows LANGUAGE only while the messages' locale is not C, and wx
// leaves every locale at C. The game's language gets a messages' locale of
// its own: the language's, as the system names it ("de" has none, "de_DE"
// may), else C.UTF-8, under which LANGUAGE alone picks GTK's catalog.
void ask_gtk_for(const wxString& code) {
    setenv("LANGUAGE", code.utf8_string().c_str(), 1);
    const wxString country = code.Left(2).Upper();
    for (const wxString& name :
         {code + ".UTF-8", code + "_" + country + ".UTF-8", wxString("C.UTF-8")}) {
        if (std::setlocale(LC_MESSAGES, name.utf8_string().c_str()) != nullptr) {
            return;
        }
    }
}
#endif

sudoku::texts::Catalog from(const wxTranslations& translations) {
    sudoku::texts::Catalog catalog;
    catalog.text = [&translations](const char* english) {
        const wxString* found =
            translations.GetTranslatedString(wxString::FromUTF8(english), domain);
        return found != nullptr ? found->utf8_string() : std::string(english);
    };
    catalog.plural = [&translations](const char* singular, const char* plural, long long count) {
        const auto n = static_cast<unsigned>(count < 0 ? -count : count);
        const wxString* found =
            translations.GetTranslatedString(wxString::FromUTF8(singular), n, domain);
        return found != nullptr ? found->utf8_string()
                                : std::string(count == 1 ? singular : plural);
    };
    return catalog;
}

}  // namespace

std::string use_language(const wxString& asked) {
    look_beside_the_program();
    auto* translations = new wxTranslations;
    if (!asked.empty()) {
        if (const wxLanguageInfo* info = wxUILocale::FindLanguageInfo(asked)) {
            translations->SetLanguage(static_cast<wxLanguage>(info->Language));
        }
    }
    wxTranslations::Set(translations);  // owned by wx from here on
    translations->AddStdCatalog();
    const bool found = translations->AddCatalog(domain, wxLANGUAGE_ENGLISH_US);
    sudoku::texts::use_catalog(from(*translations));
    const wxString chosen =
        found ? translations->GetBestTranslation(domain, wxLANGUAGE_ENGLISH_US) : wxString("en");
#ifndef __WXMSW__
    // GTK's texts follow the game's, whether asked for or the system's.
    if (!chosen.empty()) {
        ask_gtk_for(chosen);
    }
#endif
    return chosen.empty() ? std::string("en") : chosen.Left(2).utf8_string();
}
