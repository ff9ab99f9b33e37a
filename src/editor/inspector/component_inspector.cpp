#include "editor/inspector/component_inspector.h"

#include "editing/document_edit_commands.h"
#include "editing/document_session.h"
#include "editing/style_preset_manager.h"
#include "editor/inspector/image_action_editor.h"
#include "editor/inspector/inspector_rules.h"
#include "editor/inspector/inspector_section.h"
#include "editor/inspector/style_preset_sheets.h"
#include "editor/sheets/sheet_layout.h"
#include "editor/sheets/symbol_icon.h"
#include "editor/sheets/text_area_editor_sheet.h"
#include "media/path_resolver.h"
#include "model/component_properties.h"
#include "model/stored_enum.h"

#include <QApplication>
#include <QDateTime>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cmath>

namespace vistrelle {

namespace {

QString typeName(ComponentType type) {
    return QApplication::translate("ComponentType", qPrintable(storedString(type)));
}

QString propertiesTitle(ComponentType type) {
    switch (type) {
    case ComponentType::title:
    case ComponentType::label:
    case ComponentType::textArea:
        return ComponentInspector::tr("Text Properties");
    case ComponentType::image:
        return ComponentInspector::tr("Image Properties");
    case ComponentType::webView:
        return ComponentInspector::tr("Web View Properties");
    case ComponentType::video:
        return ComponentInspector::tr("Video Properties");
    case ComponentType::shape:
        return ComponentInspector::tr("Shape Properties");
    case ComponentType::icon:
        return ComponentInspector::tr("Icon Properties");
    case ComponentType::clock:
        return ComponentInspector::tr("Clock Properties");
    case ComponentType::countdown:
        return ComponentInspector::tr("Countdown Properties");
    case ComponentType::ticker:
        return ComponentInspector::tr("Ticker Properties");
    }
    return ComponentInspector::tr("Properties");
}

qint64 wholePart(double value) {
    return std::isfinite(value) ? qint64(std::trunc(std::clamp(value, -1e15, 1e15))) : 0;
}

} // namespace

ComponentInspector::ComponentInspector(QWidget* parent)
    : QWidget(parent) {
    services_.storedPathFor = [](const QString& path) { return PathResolver::shared().storedPathFor(path); };
    services_.resolvedPathFor = [](const QString& stored) {
        return PathResolver::shared().resolvePath(stored);
    };
    services_.openTextAreaEditor = [this](QWidget* parent) { openTextAreaEditor(parent); };
    services_.bindTarget = [this] { return boundTarget(); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    header_ = new InspectorContextHeader(this);
    layout->addWidget(header_);
    layout->addWidget(makePositionSection());
    panels_ = new QStackedWidget(this);
    layout->addWidget(panels_);

    auto* presets = new QHBoxLayout;
    presets->setSpacing(8);
    auto* browse = new QPushButton(symbolIcon(QStringLiteral("paintbrush")), tr("Style Presets"), this);
    presetButtons_ = {browse};
    browse->setObjectName(QStringLiteral("stylePresets"));
    auto* save = new QPushButton(symbolIcon(QStringLiteral("plus")), tr("Save Current Style"), this);
    save->setObjectName(QStringLiteral("saveCurrentStyle"));
    presetButtons_.append(save);
    presets->addWidget(browse);
    presets->addWidget(save);
    presets->addStretch();
    layout->addLayout(presets);
    layout->addStretch();
    connect(browse, &QPushButton::clicked, this, &ComponentInspector::showStylePresets);
    connect(save, &QPushButton::clicked, this, &ComponentInspector::saveCurrentStyle);
}

QLineEdit* ComponentInspector::makeIntegerField(const QString& objectName) {
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setFixedWidth(60);
    field->setAlignment(Qt::AlignRight);
    return field;
}

QWidget* ComponentInspector::makePositionSection() {
    auto* section = new InspectorSection(QStringLiteral("move.3d"), tr("Position & Size"), this);
    auto* grid = new QWidget(section);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(6);
    x_ = makeIntegerField(QStringLiteral("x"));
    y_ = makeIntegerField(QStringLiteral("y"));
    width_ = makeIntegerField(QStringLiteral("width"));
    height_ = makeIntegerField(QStringLiteral("height"));
    const auto place = [&](const QString& label, QLineEdit* field, int row, int column) {
        auto* text = new QLabel(label, grid);
        text->setBuddy(field);
        layout->addWidget(text, row, column * 2);
        layout->addWidget(field, row, column * 2 + 1);
        connect(field, &QLineEdit::editingFinished, this, [this, field] { commitFrameField(field); });
    };
    place(tr("X"), x_, 0, 0);
    place(tr("Y"), y_, 0, 1);
    place(tr("Width"), width_, 1, 0);
    place(tr("Height"), height_, 1, 1);
    layout->setColumnStretch(4, 1);
    section->addRow({}, grid);
    return section;
}

ComponentInspector::TypePanel& ComponentInspector::panelFor(ComponentType type) {
    if (const auto it = panelsByType_.find(int(type)); it != panelsByType_.end())
        return *it;
    TypePanel panel;
    panel.widget = new QWidget(panels_);
    auto* layout = new QVBoxLayout(panel.widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);

    auto* properties = new InspectorSection(componentSymbolName(type), propertiesTitle(type), panel.widget);
    InspectorSection* colors = nullptr;
    auto* advanced =
        new InspectorSection(QStringLiteral("slider.horizontal.3"), tr("Advanced"), panel.widget);
    panel.zIndex = makeIntegerField(QStringLiteral("zIndex"));
    connect(panel.zIndex, &QLineEdit::editingFinished, this,
            [this, field = panel.zIndex] { commitZIndex(field); });
    advanced->addRow(tr("Z-Index (Depth)"), panel.zIndex);

    const QList<PropertySpec>& schema = propertySchema(type);
    QList<PropertySpec> styleToggles;
    for (const PropertySpec& entry : schema)
        if (entry.control == PropertyControl::styleToggle)
            styleToggles.append(entry);
    for (const PropertySpec& entry : schema) {
        PropertyEditor* editor = nullptr;
        if (entry.control == PropertyControl::styleToggle) {
            if (entry.key != styleToggles.front().key)
                continue; // the three toggles share one row
            editor = makeStyleToggles(styleToggles, panel.widget);
            if (editor) {
                QStringList keys;
                for (const PropertySpec& toggle : styleToggles)
                    keys << toggle.key;
                editor->setKeys(keys);
            }
        } else {
            editor = makePropertyEditor(entry, services_, panel.widget);
            if (editor)
                editor->setKeys({entry.key});
        }
        if (!editor)
            continue;
        InspectorSection* section = properties;
        if (entry.group && QLatin1StringView(entry.group) == QLatin1StringView("Advanced")) {
            section = advanced;
        } else if (entry.group) {
            if (!colors)
                colors = new InspectorSection(QStringLiteral("paintbrush"),
                                              QCoreApplication::translate("PropertySchema", entry.group),
                                              panel.widget);
            section = colors;
        }
        section->addRow(editor->rowLabel(), editor);
        if (auto* label = qobject_cast<QLabel*>(section->form()->labelForField(editor)))
            rowLabels_.insert(editor, label);
        connect(editor, &PropertyEditor::edited, this, &ComponentInspector::editProperties);
        panel.editors.append(editor);
    }
    layout->addWidget(properties);
    if (type == ComponentType::image) {
        // What a visitor's tap does: the image as a button.
        auto* onClick =
            new InspectorSection(QStringLiteral("arrow.right.circle"), tr("On Click"), panel.widget);
        auto* action = new ImageActionEditor(
            [this] {
                QList<std::pair<QUuid, QString>> screens;
                if (session_)
                    for (const KioskScreen& screen : session_->project().screens)
                        screens.append({screen.id, screen.name});
                return screens;
            },
            onClick);
        onClick->addRow({}, action);
        connect(action, &PropertyEditor::edited, this, &ComponentInspector::editProperties);
        panel.editors.append(action);
        layout->addWidget(onClick);
    }
    QList<QFormLayout*> forms{properties->form(), advanced->form()};
    if (colors) {
        layout->addWidget(colors);
        forms.append(colors->form());
    }
    layout->addWidget(advanced);
    alignFormLabels(forms);
    panels_->addWidget(panel.widget);
    return *panelsByType_.insert(int(type), panel);
}

void ComponentInspector::setSession(DocumentSession* session) {
    if (session_ == session)
        return;
    // A number typed but not yet committed belongs to the window it was typed for: the focus leaves the
    // field only after the palette has followed the newly active window.
    for (QLineEdit* field : {x_, y_, width_, height_})
        if (field->isModified())
            commitFrameField(field);
    for (const TypePanel& panel : std::as_const(panelsByType_))
        if (panel.zIndex->isModified())
            commitZIndex(panel.zIndex);
    session_ = session;
    shown_.reset(); // the next show is of another document
}

EditTarget ComponentInspector::boundTarget() const {
    // A dialog opened now is an interaction of its own, whatever it writes and however long it stays.
    EditInteraction::begin();
    return shownTarget();
}

EditTarget ComponentInspector::shownTarget() const {
    QList<QUuid> groupIds;
    if (showsGroup())
        for (const PlacedComponent& c : std::as_const(group_))
            groupIds.append(c.id);
    return EditTarget{session_, screenId_, componentId_, groupIds, EditInteraction::current()};
}

void ComponentInspector::show(const KioskScreen& screen, const PlacedComponent& component) {
    // Several selected on this screen: the group is shown (and kept current) with the last clicked.
    QList<PlacedComponent> group;
    if (session_ && session_->selectedScreen() && session_->selectedScreen()->id == screen.id &&
        session_->selectedComponentIds().size() > 1 &&
        session_->selectedComponentIds().contains(component.id))
        group = session_->selectedComponents();
    if (shown_ && *shown_ == component && screenId_ == screen.id && group == group_ &&
        screenSize_.width == screen.resolution.width && screenSize_.height == screen.resolution.height)
        return;
    group_ = group;
    if (componentId_ != component.id)
        EditInteraction::begin(); // another component: nothing merges across
    screenId_ = screen.id;
    componentId_ = component.id;
    screenSize_ = {double(screen.resolution.width), double(screen.resolution.height)};
    shown_ = component;

    if (showsGroup())
        header_->show(QStringLiteral("rectangle.on.rectangle"), tr("%n Components", "", int(group_.size())),
                      tr("Selection"));
    else
        header_->show(componentSymbolName(component.componentType), typeName(component.componentType),
                      tr("Component"));
    const auto showNumber = [](QLineEdit* field, double value) {
        const QString text = QString::number(wholePart(value));
        if (field->text() != text && !(field->hasFocus() && field->isModified()))
            field->setText(text);
    };
    const QRectF frame = showsGroup() ? boundsOf(group_)
                                      : QRectF(component.position.x, component.position.y,
                                               component.size.width, component.size.height);
    showNumber(x_, frame.x());
    showNumber(y_, frame.y());
    showNumber(width_, frame.width());
    showNumber(height_, frame.height());

    TypePanel& panel = panelFor(component.componentType);
    if (panels_->currentWidget() != panel.widget) {
        // The stack takes the height of the panel shown, not of the tallest one made so far.
        for (const TypePanel& other : std::as_const(panelsByType_))
            other.widget->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        panel.widget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        panels_->setCurrentWidget(panel.widget);
        panels_->updateGeometry();
    }
    showNumber(panel.zIndex, double(component.zIndex));
    for (PropertyEditor* editor : std::as_const(panel.editors))
        editor->showValue(component);
    showGroupState(screen, component, panel);
}

void ComponentInspector::showGroupState(const KioskScreen&, const PlacedComponent& component,
                                        TypePanel& panel) {
    bool oneType = true;
    for (const PlacedComponent& c : std::as_const(group_))
        oneType = oneType && c.componentType == component.componentType;
    // Properties are shared only by components of one type; their stacking is the Arrange menu's.
    panels_->setVisible(!showsGroup() || oneType);
    panel.zIndex->setEnabled(!showsGroup());
    // Style presets belong to one component.
    for (QPushButton* button : std::as_const(presetButtons_))
        button->setVisible(!showsGroup());
    for (PropertyEditor* editor : std::as_const(panel.editors)) {
        bool mixed = false;
        for (const PlacedComponent& c : std::as_const(group_))
            for (const QString& key : editor->keys())
                mixed = mixed || c.stringProperty(key) != component.stringProperty(key);
        if (QLabel* label = rowLabels_.value(editor))
            label->setText(mixed ? tr("%1 (mixed)").arg(editor->rowLabel()) : editor->rowLabel());
        editor->setToolTip(mixed ? tr("The selected components differ here; a change sets them all.")
                                 : QString());
    }
}

const PlacedComponent* ComponentInspector::liveComponent() const {
    return session_ ? session_->findComponent(screenId_, componentId_) : nullptr;
}

void ComponentInspector::writeValues(const EditTarget& target, const PropertyMap& values) {
    DocumentSession* session = target.session;
    const auto withValues = [&values](PlacedComponent component) {
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            component.properties.insert(it.key(), it.value());
        return component;
    };
    if (target.groupIds.size() > 1 && session) {
        // A group: every member still there takes the values, as one step.
        QList<PlacedComponent> edited;
        for (const QUuid& id : target.groupIds)
            if (const PlacedComponent* member = session->findComponent(target.screenId, id))
                edited.append(withValues(*member));
        session->replaceComponentsOnScreen(target.screenId, edited, tr("Update Components"),
                                           values.keys().join(u','), target.interaction);
        return;
    }
    const PlacedComponent* current =
        session ? session->findComponent(target.screenId, target.componentId) : nullptr;
    if (!current)
        return; // the component it was meant for is gone: nothing is written elsewhere
    const PlacedComponent updated = withValues(*current);
    // Only the edited keys change: a change made meanwhile elsewhere (a nudge, an undo) is kept.
    session->updateComponentOnScreen(target.screenId, updated, values.keys().join(u','), target.interaction);
}

void ComponentInspector::editProperties(const PropertyMap& values, bool continuous,
                                        const EditTarget& target) {
    if (values.isEmpty())
        return;
    if (!target.isEmpty()) { // a dialog bound to its component
        writeValues(target, values);
        return;
    }
    if (!liveComponent())
        return;
    if (!continuous)
        EditInteraction::begin();
    // At once, as a step that merges with the others of this interaction (a sweep, a burst of typing); with
    // several selected, every one takes the values.
    writeValues(shownTarget(), values);
}

void ComponentInspector::writeComponent(const PlacedComponent& component) {
    if (!session_)
        return;
    EditInteraction::begin();
    session_->updateComponentOnScreen(screenId_, component);
}

void ComponentInspector::commitFrameField(QLineEdit* field) {
    if (showsGroup()) {
        commitGroupFrameField(field);
        return;
    }
    const PlacedComponent* current = liveComponent();
    if (!current)
        return;
    PlacedComponent edited = *current;
    const auto restore = [&] {
        field->setModified(false);
        shown_.reset();
        show(*session_->findScreen(screenId_), *current);
    };
    const std::optional<qint64> typed = InspectorRules::parseInteger(field->text().trimmed());
    if (!typed) { // not a number: the stored value again
        restore();
        return;
    }
    using namespace InspectorRules;
    // Without a screen the frame is bounded by 8192 each way.
    const qint64 screenWidth = screenSize_.width > 0 ? qint64(screenSize_.width) : boundWithoutScreen;
    const qint64 screenHeight = screenSize_.height > 0 ? qint64(screenSize_.height) : boundWithoutScreen;
    if (field == width_)
        edited.size.width = double(clampedSide(*typed, screenWidth));
    else if (field == height_)
        edited.size.height = double(clampedSide(*typed, screenHeight));
    else if (field == x_)
        edited.position.x = double(clampedOrigin(*typed, screenWidth, wholePart(edited.size.width)));
    else if (field == y_)
        edited.position.y = double(clampedOrigin(*typed, screenHeight, wholePart(edited.size.height)));
    field->setModified(false);
    if (edited == *current) {
        restore();
        return;
    }
    writeComponent(edited);
}

void ComponentInspector::commitGroupFrameField(QLineEdit* field) {
    if (!session_)
        return;
    const QList<PlacedComponent> selected = session_->selectedComponents();
    const std::optional<qint64> typed = InspectorRules::parseInteger(field->text().trimmed());
    field->setModified(false);
    const QRectF bounds = boundsOf(selected);
    if (!typed || selected.isEmpty() || bounds.isEmpty()) {
        shown_.reset(); // the bounds as they are again
        if (const PlacedComponent* current = liveComponent())
            show(*session_->findScreen(screenId_), *current);
        return;
    }
    // The bounds move, or scale from their top-left corner with every frame inside them; like one
    // component's frame, they stay on the screen.
    using namespace InspectorRules;
    const qint64 screenWidth = screenSize_.width > 0 ? qint64(screenSize_.width) : boundWithoutScreen;
    const qint64 screenHeight = screenSize_.height > 0 ? qint64(screenSize_.height) : boundWithoutScreen;
    double dx = 0, dy = 0, sx = 1, sy = 1;
    if (field == x_)
        dx = double(clampedOrigin(*typed, screenWidth, wholePart(bounds.width()))) - bounds.x();
    else if (field == y_)
        dy = double(clampedOrigin(*typed, screenHeight, wholePart(bounds.height()))) - bounds.y();
    else if (field == width_)
        sx = double(clampedSide(*typed, screenWidth)) / bounds.width();
    else if (field == height_)
        sy = double(clampedSide(*typed, screenHeight)) / bounds.height();
    QList<PlacedComponent> changed = selected;
    for (PlacedComponent& c : changed) {
        c.position = {bounds.x() + dx + (c.position.x - bounds.x()) * sx,
                      bounds.y() + dy + (c.position.y - bounds.y()) * sy};
        c.size = {std::max(1.0, c.size.width * sx), std::max(1.0, c.size.height * sy)};
    }
    EditInteraction::begin();
    session_->replaceComponents(changed,
                                field == x_ || field == y_ ? tr("Move Components") : tr("Resize Components"));
}

void ComponentInspector::commitZIndex(QLineEdit* field) {
    const PlacedComponent* current = liveComponent();
    if (!current)
        return;
    const std::optional<qint64> typed = InspectorRules::parseInteger(field->text().trimmed());
    field->setModified(false);
    if (!typed || *typed == current->zIndex) {
        field->setText(QString::number(current->zIndex));
        return;
    }
    PlacedComponent edited = *current;
    edited.zIndex = std::clamp<qint64>(*typed, -9999, 9999);
    writeComponent(edited);
}

void ComponentInspector::openTextAreaEditor(QWidget* parent) {
    if (const PlacedComponent* current = liveComponent())
        editTextArea(parent->window(), *session_, screenId_, *current);
}

namespace {

// The component a sheet was opened for, as it is now; nothing once it is gone.
const PlacedComponent* targetComponent(const EditTarget& target) {
    return target.session ? target.session->findComponent(target.screenId, target.componentId) : nullptr;
}

// A sheet bound to its component closes when the component goes (deleted, or its window closed).
void closeWhenTargetGoes(QDialog* sheet, const EditTarget& target) {
    if (!target.session) {
        sheet->reject();
        return;
    }
    QObject::connect(target.session, &DocumentSession::changed, sheet, [sheet, target] {
        if (!targetComponent(target))
            sheet->reject();
    });
    QObject::connect(target.session, &QObject::destroyed, sheet, &QDialog::reject);
}

} // namespace

void ComponentInspector::saveCurrentStyle() {
    auto* sheet = new SaveStylePresetSheet(this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    const EditTarget target = boundTarget();
    closeWhenTargetGoes(sheet, target);
    connect(sheet, &QDialog::accepted, this, [sheet, target] {
        const PlacedComponent* current = targetComponent(target);
        if (!current || sheet->presetName().isEmpty())
            return;
        StylePresetManager::shared().add(
            presetFrom(*current, sheet->presetName(), QDateTime::currentDateTimeUtc()));
    });
    sheet->open();
}

void ComponentInspector::showStylePresets() {
    const PlacedComponent* current = liveComponent();
    if (!current)
        return;
    const ComponentType type = current->componentType;
    auto* sheet = new StylePresetsSheet(StylePresetManager::shared(), type, this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    const EditTarget target = boundTarget();
    closeWhenTargetGoes(sheet, target);
    connect(
        sheet, &StylePresetsSheet::applyRequested, this, [target, type](const ComponentStylePreset& preset) {
            const PlacedComponent* component = targetComponent(target);
            // Only to the component the sheet was opened for, and only a preset of its own type.
            if (!component || preset.componentType != type || component->componentType != type)
                return;
            EditInteraction::begin();
            target.session->updateComponentOnScreen(target.screenId, withPresetApplied(*component, preset));
        });
    sheet->open();
}

} // namespace vistrelle
