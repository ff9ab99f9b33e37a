#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace vistrelle {

// The palette windows of the application, one of each, opened on demand and
// following whichever document is active. Their identifiers are the window
// identifiers the toolbar names: "screens", "componentLibrary" and "inspector".
class PaletteWindows {
public:
    static inline const QString screensIdentifier = QStringLiteral("screens");
    static inline const QString componentLibraryIdentifier = QStringLiteral("componentLibrary");
    static inline const QString inspectorIdentifier = QStringLiteral("inspector");

    static PaletteWindows& shared();

    // Brings the palette to the front if it is open, else opens it.
    void show(const QString& identifier);
    // The palette's window if it has been opened (tests, screenshots).
    QWidget* window(const QString& identifier) const;
    // Closes every palette (the last document window went away).
    void closeAll();

private:
    PaletteWindows() = default;
    QWidget* create(const QString& identifier);

    QPointer<QWidget> screens_;
    QPointer<QWidget> componentLibrary_;
    QPointer<QWidget> inspector_;
};

} // namespace vistrelle
