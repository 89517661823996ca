#include "prompt_answerer.h"

namespace testing_support {
namespace {

PromptAnswerer* active = nullptr;

// A message box's text is its static control 0xFFFF.
constexpr int kBoxText = 0xFFFF;

struct Search {
    HWND skip;
    DWORD processId;  // 0: any window enumerated
    HWND found;
};

BOOL CALLBACK NoteBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (window != search->skip && (search->processId == 0 || processId == search->processId) &&
        std::string(className) == "#32770" && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The whole text, however long (a null window has none).
std::string TextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return text;
}

}  // namespace

PromptAnswerer::PromptAnswerer(std::initializer_list<Answer> script, DWORD processId,
                               int beyondScript)
    : script_(script),
      processId_(processId),
      beyondScript_(beyondScript),
      timer_(SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnTimer)) {
    active = this;
}

PromptAnswerer::~PromptAnswerer() {
    KillTimer(nullptr, timer_);
    active = nullptr;
}

void CALLBACK PromptAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (active == nullptr) {
        return;
    }
    Search search{active->last_, active->processId_, nullptr};
    if (active->processId_ == 0) {
        EnumThreadWindows(GetCurrentThreadId(), NoteBox, reinterpret_cast<LPARAM>(&search));
    } else {
        EnumWindows(NoteBox, reinterpret_cast<LPARAM>(&search));
    }
    if (search.found != nullptr) {
        active->Respond(search.found);
    }
}

void PromptAnswerer::Respond(HWND box) {
    last_ = box;
    seen_.push_back({TextOf(box), TextOf(GetDlgItem(box, kBoxText))});
    const std::size_t index = seen_.size() - 1;
    const Answer answer = index < script_.size() ? script_[index] : Answer{beyondScript_, {}};
    if (answer.whileShown) {
        answer.whileShown();
    }
    SendDlgItemMessageA(box, answer.button, BM_CLICK, 0, 0);
}

}  // namespace testing_support
