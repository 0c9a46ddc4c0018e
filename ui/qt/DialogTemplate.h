#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace tallaro::qt {

// Style words of a template item; a dialog or a control takes any combination.
enum Style : unsigned {
    Hidden = 1u << 0,
    DefaultButton = 1u << 1,
    Multiline = 1u << 2,
    AlignRight = 1u << 3,
    AlignCenter = 1u << 4,
    VScroll = 1u << 5,
    AutoVScroll = 1u << 6,
    AutoHScroll = 1u << 7,
    KeepSelection = 1u << 8,
    Border = 1u << 9,
    TabStop = 1u << 10,
    Flat = 1u << 11,
    Notify = 1u << 12,
    SysMenu = 1u << 13,
    MinimizeBox = 1u << 14,
    MaximizeBox = 1u << 15,
    Sizable = 1u << 16,
    ModalFrame = 1u << 17,
    ReadOnly = 1u << 18,
};

enum class ControlKind { Button, Edit, Label, GroupBox, CheckBox, Bitmap, Icon };

// One control of a dialog template. The rectangle is in dialog units; for a bitmap or an icon
// the text is the id of the image resource.
struct ControlTemplate {
    ControlKind kind;
    int id;
    QRect rect;
    unsigned styles;
    QString text;
};

struct DialogTemplate {
    int id = 0;
    QSize size;
    unsigned styles = 0;
    QString caption;
    int points = 0;
    // The font families in order of preference; the first one installed is used.
    QStringList families;
    // In creation order: the first is the dialog's first child.
    std::vector<ControlTemplate> controls;
};

// Reads the text form kept in resources/dialog*.tpl; throws std::runtime_error naming the
// line of the first item it cannot read.
DialogTemplate parseDialogTemplate(const QString &text);
// The template built into the program under its resource id.
DialogTemplate loadDialogTemplate(int id);

} // namespace tallaro::qt
