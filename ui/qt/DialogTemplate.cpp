// The dialog templates are kept as text, one item a line, so that they can be read and
// reviewed like the rest of the source; this file turns them back into data.
#include "DialogTemplate.h"

#include "ResourceText.h"

#include <QStringView>

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace tallaro::qt {
namespace {

constexpr std::array<std::pair<const char *, unsigned>, 19> styleWords{{
    {"hidden", Hidden},           {"default", DefaultButton}, {"multiline", Multiline},
    {"right", AlignRight},        {"center", AlignCenter},    {"vscroll", VScroll},
    {"autovscroll", AutoVScroll}, {"autohscroll", AutoHScroll}, {"keepselection", KeepSelection},
    {"border", Border},           {"tabstop", TabStop},       {"flat", Flat},
    {"notify", Notify},           {"sysmenu", SysMenu},       {"minimizebox", MinimizeBox},
    {"maximizebox", MaximizeBox}, {"sizable", Sizable},       {"modalframe", ModalFrame},
    {"readonly", ReadOnly},
}};

constexpr std::array<std::pair<const char *, ControlKind>, 7> kindWords{{
    {"BUTTON", ControlKind::Button},
    {"EDIT", ControlKind::Edit},
    {"LABEL", ControlKind::Label},
    {"GROUPBOX", ControlKind::GroupBox},
    {"CHECKBOX", ControlKind::CheckBox},
    {"BITMAP", ControlKind::Bitmap},
    {"ICON", ControlKind::Icon},
}};

struct BadLine : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int toInt(const QString &word) {
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok)
        throw BadLine("not a number: " + word.toStdString());
    return value;
}

std::vector<int> numbers(const QString &field, qsizetype count) {
    const QStringList parts = field.split(u',');
    if (parts.size() != count)
        throw BadLine("expected " + std::to_string(count) + " numbers: " + field.toStdString());
    std::vector<int> values;
    for (const QString &part : parts)
        values.push_back(toInt(part));
    return values;
}

unsigned styles(const QString &field) {
    unsigned result = 0;
    for (const QString &word : field.split(u'|', Qt::SkipEmptyParts)) {
        unsigned bit = 0;
        for (const auto &[name, value] : styleWords)
            if (word == QLatin1String(name))
                bit = value;
        if (bit == 0)
            throw BadLine("unknown style: " + word.toStdString());
        result |= bit;
    }
    return result;
}

ControlKind kind(const QString &word) {
    for (const auto &[name, value] : kindWords)
        if (word == QLatin1String(name))
            return value;
    throw BadLine("unknown item: " + word.toStdString());
}

// "\n" in a text stands for a line break; nothing else is escaped.
QString unescape(QString text) { return text.replace(QLatin1String("\\n"), QLatin1String("\n")); }

void readItem(const QStringList &fields, DialogTemplate &dialog) {
    const QString &word = fields[0];
    if (word == QLatin1String("DIALOG") && fields.size() == 5) {
        dialog.id = toInt(fields[1]);
        const std::vector<int> size = numbers(fields[2], 2);
        dialog.size = QSize(size[0], size[1]);
        dialog.styles = styles(fields[3]);
        dialog.caption = fields[4];
    } else if (word == QLatin1String("FONT") && fields.size() == 3) {
        dialog.points = toInt(fields[1]);
        dialog.families = fields[2].split(u'|', Qt::SkipEmptyParts);
    } else if (fields.size() == 5) {
        const std::vector<int> r = numbers(fields[2], 4);
        dialog.controls.push_back({kind(word), toInt(fields[1]), QRect(r[0], r[1], r[2], r[3]),
                                   styles(fields[3]), unescape(fields[4])});
    } else {
        throw BadLine("wrong number of fields");
    }
}

} // namespace

DialogTemplate parseDialogTemplate(const QString &text) {
    DialogTemplate dialog;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        try {
            readItem(line.split(u'\t'), dialog);
        } catch (const BadLine &error) {
            throw std::runtime_error("dialog template line " + std::to_string(i + 1) + ": " +
                                     error.what());
        }
    }
    if (dialog.size.isEmpty() || dialog.families.isEmpty())
        throw std::runtime_error("dialog template without its DIALOG or FONT line");
    return dialog;
}

DialogTemplate loadDialogTemplate(int id) {
    return parseDialogTemplate(resourceText(QStringLiteral("dialog%1.tpl").arg(id)));
}

} // namespace tallaro::qt
