#pragma once

#include "model/project_model.h"

#include <QByteArray>
#include <QString>

namespace vistrelle {

// A template that could not be read.
struct ScreenTemplateError {
    static inline const QString domain = QStringLiteral("SingleScreenXMLParser");
    static constexpr int code = 1;

    QString description;
};

// One screen as a template file (its own fixed layout; media paths as stored;
// no gradient colours, order, navigation, component ids or constraints).
QString exportScreenXML(const KioskScreen& screen);

// Reads a template: only attributes count, unknown elements and attributes are
// ignored, values fall back to defaults. Throws ScreenTemplateError when the
// document is not well-formed XML.
KioskScreen importScreenXML(const QByteArray& data);

// Puts `imported` in place of the screen `inspectedScreenId`, keeping screen
// ids unique: when another screen already has the template's id, the inspected
// screen keeps its own. Returns the id the screen has afterwards, or nothing
// (project unchanged) when the inspected screen is not in the project.
std::optional<QUuid> replaceScreenWithTemplate(KioskProject& project, const QUuid& inspectedScreenId,
                                               KioskScreen imported);

// The proposed file name of a screen's template: the name with / \ ? % * | " < > :
// replaced by "_", plus ".xml".
QString templateFileName(const QString& screenName);

} // namespace vistrelle
