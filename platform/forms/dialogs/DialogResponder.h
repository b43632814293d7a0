#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace forms {

// Answers one kind of modal dialog without a person: tests script each kind (message box, and
// later open, save, colour, font and folder) by giving it a function or a queue of answers.
// Each kind offers its responder through one accessor (see MessageBoxResponder) whose
// function-local instance adds its reset to the platform reset on first use. Every request is
// logged with the answer it got; a request nobody answered is logged with none,
// and the dialog then behaves as its kind requires headless (message box: the default button,
// other dialogs: Cancel).
//
// Requests are decoded copies passed by const reference: a responder sees what the dialog would
// show and cannot change it.
template <class Request, class Answer>
class DialogResponder {
public:
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

} // namespace forms
