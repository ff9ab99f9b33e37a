#pragma once

#include <QByteArray>
#include <QDockWidget>
#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

namespace vistrelle {

// The palettes of the application, one of each, docked into the project window the user works in and
// moved to whichever becomes active: Screens and Components on the left, Inspector and Show Check on the
// right, tabbed where the display is short. Each can be floated, closed, reopened and resized; the
// arrangement is kept in the preferences and comes back with the next window. "Floating Palettes" floats
// all of them as separate tool windows, kept above their project window. Their identifiers are the window
// identifiers the toolbar names: "screens", "componentLibrary", "inspector" and "showCheck".
class PaletteWindows : public QObject {
    Q_OBJECT

public:
    static inline const QString screensIdentifier = QStringLiteral("screens");
    static inline const QString componentLibraryIdentifier = QStringLiteral("componentLibrary");
    static inline const QString inspectorIdentifier = QStringLiteral("inspector");
    static inline const QString showCheckIdentifier = QStringLiteral("showCheck");
    // Preference keys: the docks' arrangement (the project window's saveState) and the floating choice.
    static inline const QString layoutKey = QStringLiteral("paletteLayout");
    static inline const QString floatingKey = QStringLiteral("floatingPalettes");

    static PaletteWindows& shared();

    // Shows the palette in the active project window (or as its own window when none is open), brings its
    // tab forward and gives it the keyboard.
    void show(const QString& identifier);
    // The palette itself if it has been made (tests, screenshots), and the dock that holds it.
    QWidget* window(const QString& identifier) const;
    QDockWidget* dock(const QString& identifier) const;
    // Closes every palette (the last document window went away); the arrangement stays stored.
    void closeAll();

    // Moves the palettes into `host` in the arrangement they had (the stored one for the first window, the
    // default one the very first time). Cheap when they are there already.
    void attachTo(QMainWindow& host);
    // `host` is closing: the palettes leave it before it goes, their arrangement kept.
    void detachFrom(QMainWindow& host);
    QMainWindow* host() const { return host_; }

    // Separate palette windows instead of docks.
    bool floatingPalettes() const;
    void setFloatingPalettes(bool floating);

    // Called for each palette once it is made, with its dock: the application puts a floating palette
    // where the user left it and watches its frame.
    using WindowSetUp = std::function<void(QDockWidget& dock, QWidget& palette, const QString& identifier)>;
    void setWindowSetUp(WindowSetUp setUp) { setUp_ = std::move(setUp); }
    // Puts a palette that "Floating Palettes" just floated at the frame the user last gave it.
    using FloatingPlacement = std::function<void(QDockWidget& dock, const QString& identifier)>;
    void setFloatingPlacement(FloatingPlacement placement) { floatingPlacement_ = std::move(placement); }

    // Writes the arrangement now (it is also written a moment after each change).
    void saveLayout();

signals:
    void floatingPalettesChanged(bool floating);

private:
    PaletteWindows();
    void createAll(QMainWindow* host);
    QDockWidget* createDock(const QString& identifier, QMainWindow* host);
    void arrangeByDefault(QMainWindow& host);
    void floatAll(bool floating);
    void scheduleSave();
    qsizetype place(const QString& identifier) const;

    static inline const std::array<QString, 4> identifiers_ = {screensIdentifier, componentLibraryIdentifier,
                                                               inspectorIdentifier, showCheckIdentifier};
    std::array<QPointer<QDockWidget>, 4> docks_;
    QPointer<QMainWindow> host_;
    QTimer saveLater_;
    bool moving_ = false; // arrangement changes while the docks change windows are not the user's
    WindowSetUp setUp_;
    FloatingPlacement floatingPlacement_;
};

} // namespace vistrelle
