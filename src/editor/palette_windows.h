#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace vistrelle {

// The palette windows of the application, one of each, opened on demand and
// following whichever document is active. Their identifiers are the window
// identifiers the toolbar names: "screens", "componentLibrary", "inspector" and "showCheck".
class PaletteWindows {
public:
    static inline const QString screensIdentifier = QStringLiteral("screens");
    static inline const QString componentLibraryIdentifier = QStringLiteral("componentLibrary");
    static inline const QString inspectorIdentifier = QStringLiteral("inspector");
    static inline const QString showCheckIdentifier = QStringLiteral("showCheck");

    static PaletteWindows& shared();

    // Brings the palette to the front if it is open, else opens it.
    void show(const QString& identifier);
    // The palette's window if it has been opened (tests, screenshots).
    QWidget* window(const QString& identifier) const;
    // Closes every palette (the last document window went away).
    void closeAll();

    // Called for each palette window once it is made, before it is first shown: the application puts it
    // where the user left it, watches its frame and gives it the application's shortcuts.
    using WindowSetUp = std::function<void(QWidget& palette, const QString& identifier)>;
    void setWindowSetUp(WindowSetUp setUp) { setUp_ = std::move(setUp); }

private:
    PaletteWindows() = default;
    QWidget* create(const QString& identifier);

    QPointer<QWidget> screens_;
    QPointer<QWidget> componentLibrary_;
    QPointer<QWidget> inspector_;
    QPointer<QWidget> showCheck_;
    WindowSetUp setUp_;
};

} // namespace vistrelle
