#include "speech/speech_jaws.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "speech/bstr.h"
#include "speech/speech_uia.h"

namespace sudoku::speech::jaws {
namespace {

DISPID method_named(IDispatch* api, const wchar_t* name) {
    DISPID method = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    return SUCCEEDED(api->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &method))
               ? method
               : DISPID_UNKNOWN;
}

// SayString(text, flush); true when JAWS took the text.
bool say_string(IDispatch* api, DISPID method, const std::string& text, bool flush) {
    const Bstr said(text);
    // Invoke takes the arguments last first.
    VARIANTARG arguments[2];
    VariantInit(&arguments[0]);
    arguments[0].vt = VT_BOOL;
    arguments[0].boolVal = flush ? VARIANT_TRUE : VARIANT_FALSE;
    VariantInit(&arguments[1]);
    arguments[1].vt = VT_BSTR;
    arguments[1].bstrVal = said.get();
    DISPPARAMS parameters{arguments, nullptr, 2, 0};
    VARIANT result;
    VariantInit(&result);
    const HRESULT called = api->Invoke(method, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                       &parameters, &result, nullptr, nullptr);
    // SayString answers false when JAWS did not take the text.
    const bool refused = result.vt == VT_BOOL && result.boolVal == VARIANT_FALSE;
    VariantClear(&result);
    return SUCCEEDED(called) && !refused;
}

struct Text {
    Kind kind;
    std::string text;
    bool interrupt;
};

class Jaws final : public Output {
  public:
    Jaws(Factory make, std::shared_ptr<Output> fallback)
        : make_(std::move(make)), fallback_(std::move(fallback)), worker_([this] { run(); }) {}

    Jaws(const Jaws&) = delete;
    Jaws& operator=(const Jaws&) = delete;

    ~Jaws() override {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        worker_.join();
    }

    void speak(const std::string& text, bool interrupt) override {
        speak_as(Kind::message, text, interrupt);
    }

    // Texts queue behind one another, in JAWS's queue as in this one, as
    // SayString with flush false does; an interrupting text flushes both.
    void speak_as(Kind kind, const std::string& text, bool interrupt) override {
        {
            const std::lock_guard lock(mutex_);
            if (interrupt) {
                waiting_.clear();
            }
            if (!text.empty()) {
                waiting_.push_back({kind, text, interrupt});
            }
        }
        wake_.notify_one();
        if (text.empty()) {
            // An empty text only silences the own voice: JAWS's speech is the
            // player's.
            fallback_->speak_as(kind, text, interrupt);
        }
    }

  private:
    void run() {
        // The multithreaded apartment needs no message loop here: COM hosts
        // an apartment-threaded object in an apartment of its own.
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
            if (waiting_.empty()) {
                break;
            }
            const Text next = std::move(waiting_.front());
            waiting_.pop_front();
            lock.unlock();
            if (!say(next)) {
                fallback_->speak_as(next.kind, next.text, next.interrupt);
            }
            lock.lock();
        }
        forget_api();
        CoUninitialize();
    }

    bool say(const Text& next) {
        if (api_ == nullptr) {
            api_ = make_();
            say_string_ = api_ != nullptr ? method_named(api_, L"SayString") : DISPID_UNKNOWN;
        }
        if (api_ != nullptr && say_string_ != DISPID_UNKNOWN &&
            say_string(api_, say_string_, next.text, next.interrupt)) {
            return true;
        }
        // JAWS has gone or restarted, or never answered: the next text asks anew.
        forget_api();
        return false;
    }

    void forget_api() {
        if (api_ != nullptr) {
            api_->Release();
            api_ = nullptr;
        }
    }

    Factory make_;
    std::shared_ptr<Output> fallback_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Text> waiting_;
    bool stopping_ = false;
    // The worker's alone.
    IDispatch* api_ = nullptr;
    DISPID say_string_ = DISPID_UNKNOWN;
    // Last, so that it starts once everything it uses is there.
    std::thread worker_;
};

}  // namespace

bool running() {
    return FindWindowW(L"JFWUI2", nullptr) != nullptr;
}

IDispatch* create_api() {
    CLSID api_class{};
    IDispatch* api = nullptr;
    if (FAILED(CLSIDFromProgID(L"FreedomSci.JawsApi", &api_class)) ||
        FAILED(CoCreateInstance(api_class, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IDispatch, reinterpret_cast<void**>(&api)))) {
        return nullptr;
    }
    return api;
}

std::shared_ptr<Output> make_backend(Factory make, std::shared_ptr<Output> fallback) {
    return std::make_shared<Jaws>(std::move(make), std::move(fallback));
}

std::shared_ptr<Output> backend() {
    // Never destroyed: its worker runs until the process ends, and leaving
    // never waits for a JAWS that does not answer.
    static auto* const leaked =
        new std::shared_ptr<Output>(make_backend(create_api, uia::backend()));
    return *leaked;
}

}  // namespace sudoku::speech::jaws
