#include "editor/inspector/image_action_editor.h"

#include "editing/document_edit_commands.h"
#include "editor/sheets/sheet_layout.h"
#include "model/component_properties.h"
#include "model/uuid_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace vistrelle {

namespace {

const QString navigation = QStringLiteral("navigation");
const QString alert = QStringLiteral("alert");
const QString system = QStringLiteral("system");

} // namespace

ImageActionEditor::ImageActionEditor(ScreenList screens, QWidget* parent)
    : PropertyEditor(parent)
    , screens_(std::move(screens)) {
    setKeys({PropertyKey::actionCategory, PropertyKey::targetScreenId, PropertyKey::alertTitle,
             PropertyKey::alertMessage, PropertyKey::systemAction});
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);

    action_ = new QComboBox(this);
    action_->setObjectName(QStringLiteral("onClick"));
    action_->addItem(tr("Nothing"), int(Choice::none));
    action_->addItem(tr("Go to Screen"), int(Choice::screen));
    action_->addItem(tr("Next Screen"), int(Choice::next));
    action_->addItem(tr("Previous Screen"), int(Choice::previous));
    action_->addItem(tr("Show an Alert"), int(Choice::alert));
    action_->addItem(tr("Print"), int(Choice::print));
    action_->addItem(tr("Open a Web Page"), int(Choice::webPage));
    form->addRow(tr("Action"), action_);

    screen_ = new QComboBox(this);
    screen_->setObjectName(QStringLiteral("onClickScreen"));
    screenLabel_ = new QLabel(tr("Screen"), this);
    form->addRow(screenLabel_, screen_);

    alertTitle_ = new QLineEdit(this);
    alertTitle_->setObjectName(PropertyKey::alertTitle);
    alertTitle_->setPlaceholderText(tr("Alert"));
    alertMessage_ = new QLineEdit(this);
    alertMessage_->setObjectName(PropertyKey::alertMessage);
    auto* titleLabel = new QLabel(tr("Title"), this);
    auto* messageLabel = new QLabel(tr("Message"), this);
    form->addRow(titleLabel, alertTitle_);
    form->addRow(messageLabel, alertMessage_);
    alertRows_ = {titleLabel, alertTitle_, messageLabel, alertMessage_};

    note_ = makeNoteLabel(QString(), this);
    note_->setWordWrap(true);
    form->addRow(note_);

    connect(action_, &QComboBox::activated, this,
            [this](int index) { choose(Choice(action_->itemData(index).toInt())); });
    connect(screen_, &QComboBox::activated, this, [this](int index) {
        emit edited({{PropertyKey::actionCategory, navigation},
                     {PropertyKey::targetScreenId, screen_->itemData(index).toString()}},
                    false);
    });
    connect(alertTitle_, &QLineEdit::textEdited, this,
            [this](const QString& text) { typeText(PropertyKey::alertTitle, text); });
    connect(alertMessage_, &QLineEdit::textEdited, this,
            [this](const QString& text) { typeText(PropertyKey::alertMessage, text); });
    for (QLineEdit* field : {alertTitle_, alertMessage_})
        connect(field, &QLineEdit::editingFinished, this, [this] {
            typing_ = false;
            EditInteraction::begin();
        });
    showRows(Choice::none);
}

ImageActionEditor::Choice ImageActionEditor::choiceOf(const PlacedComponent& c) {
    const QString category = c.stringProperty(PropertyKey::actionCategory);
    if (category.isEmpty())
        return Choice::none;
    if (category == navigation) {
        const QString target = c.stringProperty(PropertyKey::targetScreenId);
        if (target == QLatin1StringView("next") || target == QLatin1StringView("next_screen"))
            return Choice::next;
        if (target == QLatin1StringView("previous") || target == QLatin1StringView("previous_screen"))
            return Choice::previous;
        return target.isEmpty() ? Choice::none : Choice::screen;
    }
    if (category == alert)
        return Choice::alert;
    if (category == system) {
        const QString command = c.stringProperty(PropertyKey::systemAction);
        if (command == QLatin1StringView("print"))
            return Choice::print;
        if (command == QLatin1StringView("open_url"))
            return Choice::webPage;
    }
    return Choice::other;
}

void ImageActionEditor::fillScreens(const QString& selectedTarget) {
    screen_->clear();
    int selected = -1;
    const QList<std::pair<QUuid, QString>> screens =
        screens_ ? screens_() : QList<std::pair<QUuid, QString>>();
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QString id = uuidText(screens[i].first);
        // The file may name a screen by its place ("screen_2") or its id in any case.
        const bool named = QUuid::fromString(selectedTarget) == screens[i].first ||
                           selectedTarget == QStringLiteral("screen_%1").arg(i);
        screen_->addItem(tr("%1. %2").arg(i + 1).arg(screens[i].second), id);
        if (named)
            selected = int(i);
    }
    if (selected < 0 && !selectedTarget.isEmpty()) {
        // A screen deleted since: shown as such until another is picked (the show check warns too).
        screen_->addItem(tr("A screen no longer in the show"), selectedTarget);
        selected = screen_->count() - 1;
    }
    screen_->setCurrentIndex(selected);
}

void ImageActionEditor::showValue(const PlacedComponent& component) {
    const Choice choice = choiceOf(component);
    if (choice == Choice::other) {
        if (action_->findData(int(Choice::other)) < 0)
            action_->addItem(tr("Other (kept as in the file)"), int(Choice::other));
    } else if (const int other = action_->findData(int(Choice::other)); other >= 0) {
        action_->removeItem(other);
    }
    action_->setCurrentIndex(action_->findData(int(choice)));
    fillScreens(choice == Choice::screen ? component.stringProperty(PropertyKey::targetScreenId) : QString());
    for (auto [field, key] : {std::pair{alertTitle_, PropertyKey::alertTitle},
                              std::pair{alertMessage_, PropertyKey::alertMessage}}) {
        const QString value = component.stringProperty(key);
        if (field->text() != value) {
            const int caret = field->cursorPosition();
            field->setText(value);
            field->setCursorPosition(std::min(caret, int(value.size())));
        }
    }
    showRows(choice);
}

void ImageActionEditor::showRows(Choice choice) {
    screenLabel_->setVisible(choice == Choice::screen);
    screen_->setVisible(choice == Choice::screen);
    for (QWidget* row : std::as_const(alertRows_))
        row->setVisible(choice == Choice::alert);
    QString note;
    switch (choice) {
    case Choice::print:
        note = tr("Prints what the display shows, where the display computer has a printer.");
        break;
    case Choice::webPage:
        note = tr("Opens the display computer’s web browser.");
        break;
    case Choice::other:
        note = tr("An action set outside this inspector; choose another to replace it.");
        break;
    default:
        break;
    }
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

void ImageActionEditor::choose(Choice choice) {
    PropertyMap values;
    switch (choice) {
    case Choice::none:
        values = {{PropertyKey::actionCategory, QString()}};
        break;
    case Choice::screen: {
        // The first screen until another is picked; the screen this image is on would go nowhere new.
        fillScreens(QString());
        if (screen_->count() == 0)
            return;
        screen_->setCurrentIndex(0);
        values = {{PropertyKey::actionCategory, navigation},
                  {PropertyKey::targetScreenId, screen_->itemData(0).toString()}};
        break;
    }
    case Choice::next:
        values = {{PropertyKey::actionCategory, navigation},
                  {PropertyKey::targetScreenId, QStringLiteral("next")}};
        break;
    case Choice::previous:
        values = {{PropertyKey::actionCategory, navigation},
                  {PropertyKey::targetScreenId, QStringLiteral("previous")}};
        break;
    case Choice::alert:
        values = {
            {PropertyKey::actionCategory, alert},
            {PropertyKey::alertTitle, alertTitle_->text().isEmpty() ? tr("Alert") : alertTitle_->text()},
            {PropertyKey::alertMessage, alertMessage_->text()}};
        break;
    case Choice::print:
        values = {{PropertyKey::actionCategory, system},
                  {PropertyKey::systemAction, QStringLiteral("print")}};
        break;
    case Choice::webPage:
        values = {{PropertyKey::actionCategory, system},
                  {PropertyKey::systemAction, QStringLiteral("open_url")}};
        break;
    case Choice::other:
        return; // it stays as the file has it
    }
    showRows(choice);
    emit edited(values, false);
}

void ImageActionEditor::typeText(const QString& key, const QString& text) {
    if (!typing_) {
        EditInteraction::begin();
        typing_ = true;
    }
    emit edited({{PropertyKey::actionCategory, alert}, {key, text}}, true);
}

} // namespace vistrelle
