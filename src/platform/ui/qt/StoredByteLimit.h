#pragma once
// Private to the window layer: an edit's limit counted in bytes as the program stores its text
// (GB18030), as EM_LIMITTEXT counts the bytes of an edit of the Windows program.

#include <QLineEdit>
#include <QString>
#include <QValidator>

#include <cstddef>

namespace platform::ui::detail {

// What the user types or pastes into the edit is cut, between characters, to what still fits
// the limit; text outside the insertion stays.
class StoredByteLimit : public QValidator {
public:
    // Sets or changes the edit's limit.
    static void Apply(QLineEdit& edit, size_t maxStoredBytes);
    // Text the program sets is not cut, as WM_SETTEXT passes an edit's limit on Windows.
    static void SetProgramText(QLineEdit& edit, const QString& text);

    State validate(QString& input, int& position) const override;

private:
    StoredByteLimit(QLineEdit& edit, size_t maxStoredBytes);
    static StoredByteLimit* Of(const QLineEdit& edit);

    size_t m_maxStoredBytes;
    mutable QString m_accepted;   // the text before the change being validated
    bool m_byProgram = false;
};

} // namespace platform::ui::detail
