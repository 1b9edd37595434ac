#include "ui/FieldControls.h"

#include "images/ConfigurationCheck.h"
#include "model/ConfigurationFields.h"
#include "model/FieldTable.h"
#include "model/PanelConfiguration.h"
#include "ui/AddressValidator.h"
#include "ui/ShownStates.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

namespace {

using Kind = FieldDescriptor::Kind;

bool isAddress(const QString &text) {
    static const QRegularExpression dotted(QStringLiteral("^[0-9]{1,3}(\\.[0-9]{1,3}){3}$"));
    if (!dotted.match(text).hasMatch())
        return false;
    const QStringList parts = text.split(QLatin1Char('.'));
    return std::all_of(parts.cbegin(), parts.cend(),
                       [](const QString &part) { return part.toInt() <= 255; });
}

// Empty is "no port" (0).
bool isPort(const QString &text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (text.isEmpty())
        return true;
    const int port = text.toInt();
    return digits.match(text).hasMatch() && port >= 1 && port <= 65535;
}

} // namespace

quint32 FieldControls::addressFromText(const QString &text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return 0;
    quint32 address = 0;
    for (const QString &part : parts)
        address = (address << 8) | (quint32(part.trimmed().toInt()) & 0xff);
    return address;
}

FieldControls::FieldControls(QWidget *page, std::initializer_list<Mapping> mappings) {
    for (const Mapping &m : mappings) {
        auto child = [page](const char *name) {
            return name ? page->findChild<QWidget *>(QLatin1String(name)) : nullptr;
        };
        list.push_back({FieldTable::find(QLatin1String(m.element), QLatin1String(m.attribute)),
                        child(m.control), qobject_cast<QLabel *>(child(m.reason)),
                        qobject_cast<QAbstractButton *>(child(m.needs)), m.needsChecked});
        const Control &c = list.back();
        if (c.reason)
            c.reason->setStyleSheet(QStringLiteral("color: #c00000;"));
        if (c.field->kind == Kind::Address)
            takeAddressesOnly(qobject_cast<QLineEdit *>(c.widget), c.reason, c.field);
    }
}

void FieldControls::takeAddressesOnly(QLineEdit *edit, QLabel *reason,
                                      const FieldDescriptor *field) {
    if (!edit)
        return;
    edit->setValidator(new AddressValidator(edit));
    if (!reason)
        return;
    // A key not taken is said beside the field, until the text changes again.
    QObject::connect(edit, &QLineEdit::inputRejected, reason, [reason, field] {
        reason->setText(tr("Not taken: %1 holds four numbers from 0 to 255 separated by dots")
                            .arg(field->labelText()));
        reason->show();
    });
}

QList<QWidget *> FieldControls::controls(ConfigurationField::Area area) const {
    QList<QWidget *> widgets;
    for (const Control &c : list) {
        if (c.field->area == area)
            widgets << c.widget;
    }
    return widgets;
}

QList<QLineEdit *> FieldControls::lineEdits() const {
    QList<QLineEdit *> edits;
    for (const Control &c : list) {
        if (auto *edit = qobject_cast<QLineEdit *>(c.widget))
            edits << edit;
    }
    return edits;
}

bool FieldControls::isStored(const Control &c) const {
    return !c.needs || c.needs->isChecked() == c.needsChecked;
}

QString FieldControls::problemOf(const Control &c) const {
    const auto *edit = qobject_cast<const QLineEdit *>(c.widget);
    if (!edit || !isStored(c))
        return {};
    const QString text = edit->text();
    const QString name = c.field->labelText();
    switch (c.field->kind) {
    case Kind::Address:
        if (isAddress(text))
            return {};
        return tr("%1 needs four numbers from 0 to 255 separated by dots, such as 192.168.1.2")
            .arg(name);
    case Kind::Number:
        if (isPort(text))
            return {};
        return tr("%1 needs a number from 1 to 65535, or nothing for no port").arg(name);
    default: {
        // An escaped text still as shown stands for the model's own, which is what counts.
        const auto raw = escapedTexts.constFind(edit);
        const bool asShown =
            raw != escapedTexts.cend() && ConfigurationFields::printable(*raw) == text;
        return ConfigurationCheck::textProblem(name, asShown ? *raw : text);
    }
    }
}

QStringList FieldControls::problems(ConfigurationField::Area area) const {
    QStringList found;
    for (const Control &c : list) {
        const QString problem = c.field->area == area ? problemOf(c) : QString();
        if (!problem.isEmpty())
            found << problem;
    }
    return found;
}

void FieldControls::showProblems() const {
    QHash<QLabel *, QStringList> reasons;
    for (const Control &c : list) {
        if (!c.reason)
            continue;
        QStringList &lines = reasons[c.reason];
        const QString problem = problemOf(c);
        if (!problem.isEmpty())
            lines << problem;
    }
    for (auto it = reasons.cbegin(); it != reasons.cend(); ++it) {
        it.key()->setText(it.value().join(QLatin1Char('\n')));
        it.key()->setVisible(!it.value().isEmpty());
    }
}

std::optional<bool> FieldControls::canShow(const FieldDescriptor &field, qint64 value) const {
    for (const Control &c : list) {
        if (c.field != &field)
            continue;
        const auto *combo = qobject_cast<const QComboBox *>(c.widget);
        return !combo || value < combo->count();
    }
    return std::nullopt;
}

void FieldControls::show(ConfigurationField::Area area, const PanelConfiguration &from) {
    for (const Control &c : list) {
        const FieldDescriptor &d = *c.field;
        if (d.area != area)
            continue;
        auto *edit = qobject_cast<QLineEdit *>(c.widget);
        if (!edit)
            static_cast<QComboBox *>(c.widget)->setCurrentIndex(int(d.number(from)));
        else if (d.isText())
            showText(edit, d.text(from));
        else if (d.kind == Kind::Address && !isStored(c))
            edit->clear(); // not used with DHCP: a stale address would only mislead
        else if (d.kind == Kind::Address)
            edit->setText(ConfigurationFields::ipv4(quint32(d.number(from))));
        else // 0 is "no port"; the line edit takes 1 to 65535 only
            edit->setText(d.number(from) != 0 ? QString::number(d.number(from)) : QString());
    }
}

void FieldControls::showText(QLineEdit *edit, const QString &text) {
    // A control character (from a panel's odd bytes) shows as \xNN; left untouched, the
    // model keeps the text itself.
    const QString shown = ConfigurationFields::printable(text);
    if (shown != text)
        escapedTexts.insert(edit, text);
    else
        escapedTexts.remove(edit);
    edit->setText(shown);
}

void FieldControls::store(PanelConfiguration &into, const ShownStates &shown) const {
    for (const Control &c : list) {
        if (!problemOf(c).isEmpty() || !shown.changed({c.needs, c.widget}))
            continue;
        const FieldDescriptor &d = *c.field;
        const bool stored = isStored(c);
        const auto *edit = qobject_cast<const QLineEdit *>(c.widget);
        if (!edit)
            d.setNumber(into, qMax(0, static_cast<const QComboBox *>(c.widget)->currentIndex()));
        else if (d.isText())
            d.setText(into, stored ? edit->text() : QString());
        else if (d.kind == Kind::Address)
            d.setNumber(into, stored ? addressFromText(edit->text()) : 0);
        else
            d.setNumber(into, edit->text().toLongLong()); // checked: empty or within range
    }
}
