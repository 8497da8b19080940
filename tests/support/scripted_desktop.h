#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "framework/ui/desktop.h"

namespace fw {

// A desktop whose answers are scripted, for tests: it records every message
// box and URL, answers message boxes from a queue (an empty queue answers 1,
// OK) and file dialogs from another (an empty queue or a queued nullopt
// cancels). Installs itself while it lives, then puts back the desktop it
// replaced.
class ScriptedDesktop : public Desktop {
public:
    struct Message {
        std::string text;
        int code;
        std::string title;
    };
    struct Dialog {
        bool save;
        std::vector<FileFilter> filters;
        std::string startFolder;
        std::string defaultName;
    };

    ScriptedDesktop() : m_previous(SetDesktop(this)) {}
    ~ScriptedDesktop() override { SetDesktop(m_previous); }
    ScriptedDesktop(const ScriptedDesktop&) = delete;
    ScriptedDesktop& operator=(const ScriptedDesktop&) = delete;

    std::vector<Message> messages;
    std::vector<Dialog> dialogs;
    std::vector<std::string> urls;
    std::deque<int> messageAnswers;
    std::deque<std::optional<std::string>> fileAnswers;

    int MessageBox(const std::string& message, int code, const std::string& title) override
    {
        messages.push_back({message, code, title});
        if (messageAnswers.empty())
            return 1;
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> OpenFileDialog(const std::vector<FileFilter>& filters,
                                              const std::string& startFolder) override
    {
        dialogs.push_back({false, filters, startFolder, {}});
        return Next();
    }
    std::optional<std::string> SaveFileDialog(const std::vector<FileFilter>& filters,
                                              const std::string& startFolder,
                                              const std::string& defaultName) override
    {
        dialogs.push_back({true, filters, startFolder, defaultName});
        return Next();
    }
    void OpenURL(const std::string& url) override { urls.push_back(url); }

private:
    Desktop* m_previous;

    std::optional<std::string> Next()
    {
        if (fileAnswers.empty())
            return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
};

} // namespace fw
