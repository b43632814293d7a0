#pragma once

#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"

#include <deque>
#include <exception>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

// Answers one kind of modal dialog without a person: tests script each kind (message box, open,
// save, colour, font and folder) by giving it a function or a queue of answers. Each kind offers
// its responder through one accessor (MessageBoxResponder, FileDialogResponder, ...) built on
// ResponderInstance, so a platform reset clears them all. Every request is
// logged with the answer it got; a request nobody answered is logged with none,
// and the dialog then behaves as its kind requires headless (message box: the default button,
// other dialogs: Cancel).
//
// Requests are decoded copies passed by const reference: a responder sees what the dialog would
// show and cannot change it.
template <class Request, class Answer>
class DialogResponder {
public:
    using RequestType = Request;
    using AnswerType = Answer;
    using Function = std::function<std::optional<Answer>(const Request&)>;

    struct Entry {
        Request request;
        std::optional<Answer> answer;
    };

    // Queued answers are used first, oldest first; the function answers when the queue is empty.
    void SetFunction(Function function) { m_function = std::move(function); }
    void Queue(Answer answer) { m_queue.push_back(std::move(answer)); }
    bool Installed() const { return !m_queue.empty() || static_cast<bool>(m_function); }

    std::optional<Answer> Ask(const Request& request) {
        std::optional<Answer> answer;
        if (!m_queue.empty()) {
            answer = std::move(m_queue.front());
            m_queue.pop_front();
        } else if (m_function) {
            Function function = m_function; // it may replace itself while answering
            answer = function(request);
        }
        return answer;
    }

    void Record(Request request, std::optional<Answer> answer) {
        m_log.push_back(Entry{std::move(request), std::move(answer)});
    }
    const std::vector<Entry>& Log() const { return m_log; }
    std::vector<Entry> TakeLog() { return std::exchange(m_log, {}); }

    void Reset() {
        m_function = nullptr;
        m_queue.clear();
        m_log.clear();
    }

private:
    Function m_function;
    std::deque<Answer> m_queue;
    std::vector<Entry> m_log;
};

// The one responder of a kind; its reset joins the platform reset on first use. Called from the
// kind's accessor in libplatform only, so there is one instance per process.
template <class Responder>
Responder& ResponderInstance() {
    static Responder* responder = [] {
        static Responder instance;
        win::test::AddResetStep([] { instance.Reset(); });
        return &instance;
    }();
    return *responder;
}

// Asks from inside the dialog's loop. A responder that throws must not leave the owner disabled:
// its failure is recorded under `where` and the dialog goes on as if it had not answered.
template <class Request, class Answer>
std::optional<Answer> AskResponder(DialogResponder<Request, Answer>& responder,
                                   const Request& request, std::string_view where) {
    try {
        return responder.Ask(request);
    } catch (const std::exception& e) {
        win::test::RecordCaughtException(where, e.what());
    } catch (...) {
        win::test::RecordCaughtException(where, "unknown exception");
    }
    return std::nullopt;
}

} // namespace forms
