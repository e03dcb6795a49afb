// One copy of the game per state folder: a second start hands its request to
// the running copy and ends, as desktop games do.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <wx/timer.h>

class wxSingleInstanceChecker;
class wxWindow;

class OneCopy {
  public:
    OneCopy();
    ~OneCopy();
    OneCopy(const OneCopy&) = delete;
    OneCopy& operator=(const OneCopy&) = delete;

    // True when another copy runs on this state folder and took the
    // request: `file` to open (a whole path), or "" to come forward.
    bool handed_over(const std::string& file);

    // In the running copy: `arrived` gets each request from a later start,
    // while `window` lives.
    void listen(wxWindow& window, std::function<void(const std::string&)> arrived);

  private:
    std::optional<std::string> folder_;
    std::unique_ptr<wxSingleInstanceChecker> checker_;
    wxTimer timer_;
};
