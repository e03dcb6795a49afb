// A UTF-8 text as the BSTR that COM and UI Automation take, freed with it.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>

#include "speech/utf16.h"

class Bstr {
  public:
    explicit Bstr(const std::string& text) {
        const std::wstring wide = utf16(text);
        bstr_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(bstr_); }
    BSTR get() const { return bstr_; }

  private:
    BSTR bstr_;
};
