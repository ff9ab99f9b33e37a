#pragma once

#include "editing/document_session.h"
#include "platform/preferences.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QSlider>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

#include <gtest/gtest.h>

namespace vistrelle::test_support {

// A project open in a session of its own, as a project window has it.
class InspectorTest : public ::testing::Test {
protected:
    void SetUp() override { Preferences::setStoreFolder(store.path()); }
    void TearDown() override { QApplication::processEvents(); }

    DocumentSession& session() { return *session_; }
    QUndoStack& undoStack() { return session_->undoStack(); }

    void open(const KioskProject& project) {
        VistrelleDocument document;
        document.project = project;
        session_ = std::make_unique<DocumentSession>(document);
        QApplication::processEvents();
    }
    const KioskProject& project() const { return session_->project(); }

    // The widget named `name` among those `parent` shows (each type's panel has its own controls).
    template <typename T> T* shown(const QWidget& parent, const QString& name) const {
        for (T* candidate : parent.findChildren<T*>(name))
            if (candidate->isVisibleTo(&parent))
                return candidate;
        ADD_FAILURE() << "no shown " << qPrintable(name);
        return nullptr;
    }

    // Presses the slider's handle, drags it through `ticks` as a hand does (a few ms apart) and lets go.
    static void dragSlider(QSlider* slider, const QList<int>& ticks) {
        const int handle = slider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, slider);
        const auto at = [&](int tick) {
            return QPoint(QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), tick,
                                                          slider->width() - handle) +
                              handle / 2,
                          slider->height() / 2);
        };
        QTest::mousePress(slider, Qt::LeftButton, {}, at(slider->value()));
        for (int tick : ticks) {
            QTest::mouseMove(slider, at(tick), 8);
            QApplication::processEvents();
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, at(ticks.last()), 8);
    }

    QTemporaryDir store;

private:
    std::unique_ptr<DocumentSession> session_;
};

} // namespace vistrelle::test_support
