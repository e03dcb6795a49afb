// The JAWS route with a fake of JAWS's speech object: the calls it is made
// with, in order, on the route's own thread, and what happens when JAWS cannot
// be had or stops answering. Nothing is registered with the system.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "speech/speech.h"
#include "speech/speech_jaws.h"
#include "speech_recorder.h"

namespace {

using namespace std::chrono_literals;
using sudoku::speech::Kind;

constexpr DISPID say_string_id = 7;

struct Call {
    DISPID method;
    WORD flags;
    std::wstring text;
    bool flush;
    bool operator==(const Call&) const = default;
    friend void PrintTo(const Call& call, std::ostream* out) {
        *out << "Invoke(" << call.method << ", flags " << call.flags << ") of "
             << testing::PrintToString(call.text) << ", flush " << call.flush;
    }
};

enum class Fault { none, no_object, no_say_string, call_fails, says_false };

// What every fake made by one factory has been asked, and a gate that can
// hold the first SayString until the test opens it.
struct Journal {
    Fault fault = Fault::none;
    bool hold_first_call = false;

    std::mutex mutex;
    std::condition_variable changed;
    int made = 0;
    int alive = 0;
    std::vector<std::wstring> names;
    std::vector<Call> calls;
    bool gate_open = false;

    sudoku::speech::jaws::Factory factory();

    void open_gate() {
        const std::lock_guard lock(mutex);
        gate_open = true;
        changed.notify_all();
    }
    bool wait_for_first_call() {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 60s, [this] { return !calls.empty(); });
    }
};

// A COM object is deleted by its own Release, never through its interface,
// which has no virtual destructor.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class FakeJaws final : public IDispatch {
  public:
    explicit FakeJaws(Journal& journal) : journal_(journal) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!IsEqualIID(id, IID_IUnknown) && !IsEqualIID(id, IID_IDispatch)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        *object = static_cast<IDispatch*>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            const std::lock_guard lock(journal_.mutex);
            --journal_.alive;
            delete this;
        }
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        const std::lock_guard lock(journal_.mutex);
        for (UINT i = 0; i < count; ++i) {
            journal_.names.emplace_back(names[i]);
        }
        const bool known = journal_.fault != Fault::no_say_string && count == 1 &&
                           std::wstring(names[0]) == L"SayString";
        ids[0] = known ? say_string_id : DISPID_UNKNOWN;
        return known ? S_OK : DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID method, REFIID, LCID, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        std::unique_lock lock(journal_.mutex);
        journal_.calls.push_back(said(method, flags, *parameters));
        journal_.changed.notify_all();
        if (journal_.hold_first_call && journal_.calls.size() == 1) {
            journal_.changed.wait(lock, [this] { return journal_.gate_open; });
        }
        if (journal_.fault == Fault::call_fails) {
            return RPC_E_DISCONNECTED;  // what a call to a JAWS that has quit answers
        }
        result->vt = VT_BOOL;
        result->boolVal = journal_.fault == Fault::says_false ? VARIANT_FALSE : VARIANT_TRUE;
        return S_OK;
    }

  private:
    // SayString(text, flush): two arguments, the last first.
    static Call said(DISPID method, WORD flags, const DISPPARAMS& parameters) {
        const VARIANTARG* arguments = parameters.rgvarg;
        if (parameters.cArgs != 2 || parameters.cNamedArgs != 0 || arguments[0].vt != VT_BOOL ||
            arguments[1].vt != VT_BSTR) {
            return {method, flags, L"(not SayString's arguments)", false};
        }
        return {method, flags, arguments[1].bstrVal, arguments[0].boolVal == VARIANT_TRUE};
    }

    Journal& journal_;
    std::atomic<ULONG> references_{1};
};
#pragma GCC diagnostic pop

sudoku::speech::jaws::Factory Journal::factory() {
    return [this]() -> IDispatch* {
        const std::lock_guard lock(mutex);
        ++made;
        if (fault == Fault::no_object) {
            return nullptr;
        }
        ++alive;
        return new FakeJaws(*this);
    };
}

Call say_string(const std::wstring& text, bool flush) {
    return {say_string_id, DISPATCH_METHOD, text, flush};
}

TEST(Jaws, EachTextIsOneSayStringQueuedBehindTheOneBefore) {
    Journal journal;
    const auto fallback = std::make_shared<Recorder>();
    {
        const auto jaws = sudoku::speech::jaws::make_backend(journal.factory(), fallback);
        jaws->speak_as(Kind::square, "3 1: empty.", false);
        jaws->speak_as(Kind::message, "Invalid number.", false);
        jaws->speak("4 1: 2", false);
    }
    EXPECT_EQ(journal.made, 1);
    EXPECT_EQ(journal.names, std::vector<std::wstring>{L"SayString"});
    EXPECT_EQ(journal.calls, (std::vector<Call>{say_string(L"3 1: empty.", false),
                                                say_string(L"Invalid number.", false),
                                                say_string(L"4 1: 2", false)}));
    EXPECT_EQ(journal.alive, 0) << "the object is released";
    EXPECT_TRUE(fallback->said().empty());
}

TEST(Jaws, AnInterruptingTextFlushesAndDropsWhatWaits) {
    Journal journal;
    journal.hold_first_call = true;
    const auto fallback = std::make_shared<Recorder>();
    {
        const auto jaws = sudoku::speech::jaws::make_backend(journal.factory(), fallback);
        jaws->speak("3 1: empty.", false);
        if (!journal.wait_for_first_call()) {
            journal.open_gate();
            FAIL() << "SayString was never called";
        }
        // JAWS is busy with the first text; the keys that follow are not held up.
        jaws->speak("4 1: 2", false);
        jaws->speak("", true);
        jaws->speak("5 1: 3", false);
        jaws->speak("Game saved.", true);
        journal.open_gate();
    }
    EXPECT_EQ(journal.calls, (std::vector<Call>{say_string(L"3 1: empty.", false),
                                                say_string(L"Game saved.", true)}));
    EXPECT_EQ(fallback->said(), (std::vector<Said>{{Kind::message, "", true}}))
        << "an empty text only silences the own voice";
}

TEST(Jaws, WhatJawsCannotSayGoesToTheFallbackAndTheNextTextAsksAnew) {
    struct Case {
        const char* what;
        Fault fault;
        std::size_t calls;
    };
    for (const Case& c :
         {Case{"no object", Fault::no_object, 0}, Case{"no SayString", Fault::no_say_string, 0},
          Case{"JAWS has quit", Fault::call_fails, 2},
          Case{"SayString answers false", Fault::says_false, 2}}) {
        Journal journal;
        journal.fault = c.fault;
        const auto fallback = std::make_shared<Recorder>();
        {
            const auto jaws = sudoku::speech::jaws::make_backend(journal.factory(), fallback);
            jaws->speak_as(Kind::square, "3 1: empty.", false);
            jaws->speak_as(Kind::message, "Invalid number.", false);
        }
        EXPECT_EQ(fallback->said(), (std::vector<Said>{{Kind::square, "3 1: empty.", false},
                                                       {Kind::message, "Invalid number.", false}}))
            << c.what;
        EXPECT_EQ(journal.made, 2) << c.what;
        EXPECT_EQ(journal.calls.size(), c.calls) << c.what;
        EXPECT_EQ(journal.alive, 0) << c.what;
    }
}

TEST(Jaws, WithoutJawsInstalledTheRealObjectCannotBeMade) {
    std::atomic<bool> made{false};
    const auto fallback = std::make_shared<Recorder>();
    sudoku::speech::jaws::make_backend(
        [&made] {
            IDispatch* api = sudoku::speech::jaws::create_api();
            made = api != nullptr;
            return api;
        },
        fallback)
        ->speak("Game saved.", false);
    if (made) {
        GTEST_SKIP() << "JAWS is installed here";
    }
    EXPECT_EQ(fallback->said(), (std::vector<Said>{{Kind::message, "Game saved.", false}}));
}

}  // namespace
