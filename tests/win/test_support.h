// Shared ground of the in-process Windows tests: temporary folders, files,
// the message queue and a stand-in for message boxes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

// A fresh folder under the temporary folder, removed with what it holds.
class TempFolder {
 public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }  // without a trailing backslash
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
    std::string path_;
};

void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);
bool Exists(const std::string& path);
void RemoveTree(const std::string& path);

// The settings file of the program under test: beside the test executable.
std::string SettingsPath();

// Handles every queued message; returns once the queue is empty.
void Pump();

// Answers every message box with `answer` and remembers what each one said.
struct ShownBox {
    std::string text;
    std::string caption;
    UINT type;
};
class MessageBoxes {
 public:
    explicit MessageBoxes(int answer = IDOK);
    ~MessageBoxes();
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    const std::vector<ShownBox>& Shown() const { return shown_; }
    void SetAnswer(int answer) { answer_ = answer; }

 private:
    static int WINAPI Show(HWND owner, const char* text, const char* caption, UINT type);
    static MessageBoxes* current_;
    std::vector<ShownBox> shown_;
    int answer_;
};

}  // namespace test
