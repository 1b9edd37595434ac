#pragma once

#include "model/ConfigurationField.h"

#include <QString>
#include <QtGlobal>

class PanelConfiguration;

// One setting of the configuration, described once: how the file, the dump and people name
// it, what it holds, the member it lives in and where the panel's image keeps it. The file,
// the dump, the comparison, the report, the check, the images and the editors all work
// from these descriptors (FieldTable lists them).
struct FieldDescriptor {
    static constexpr int TextSize = 32; // bytes of a text on the panel

    enum class Kind {
        Flag,    // 0 off, 1 on
        Number,  // as wide as its member
        Address, // IPv4, the first dotted number in the most significant byte
        BitMask,
        Text,    // Latin-1, at most 32 characters on the panel
        Mailbox, // a Text: the part before the "@"
        Domain,  // a Text: the part after the "@"
        Secret,  // a Text shown only as set or not set
    };

    // Where the panel's image keeps the setting, in plain numbers: a number big-endian in
    // `size` bytes from `offset`, a text in a zero-padded field of `size` bytes, or a
    // flag as the bit `bit` of the byte at `offset` (then `size` is 0).
    struct ImagePlace {
        enum class Image { None, GeneralRecord, WebServer };
        Image image = Image::None;
        int offset = 0;
        int size = 0;
        quint8 bit = 0;
    };

    // The member, reached through accessors made from its member pointer: a number within
    // the range of the member's type, or a text.
    struct Member {
        qint64 minimum = 0;
        qint64 maximum = 0;
        qint64 (*number)(const PanelConfiguration &) = nullptr;
        void (*setNumber)(PanelConfiguration &, qint64) = nullptr;
        const QString &(*text)(const PanelConfiguration &) = nullptr;
        void (*setText)(PanelConfiguration &, const QString &) = nullptr;
    };

    const char *element;   // the file's element
    const char *attribute; // its attribute there, the dump's key and the member's name
    int filePosition;      // among all settings, as files are written
    Kind kind;
    const char *label; // translated in the context "FieldTable"
    ConfigurationField::Area area;
    ImagePlace place;
    Member member;
    QString (*showNumber)(qint64) = nullptr; // as people read it; by kind when null
    bool onlyOneIsOn = false; // files have always been read so: any other value is off

    bool isText() const { return kind >= Kind::Text; }
    bool panelHeld() const { return place.image != ImagePlace::Image::None; }
    QString labelText() const;

    qint64 number(const PanelConfiguration &c) const { return member.number(c); }
    void setNumber(PanelConfiguration &c, qint64 value) const { member.setNumber(c, value); }
    const QString &text(const PanelConfiguration &c) const { return member.text(c); }
    void setText(PanelConfiguration &c, const QString &value) const { member.setText(c, value); }

    // The value as people read it: a secret as "set" or "not set", control characters of a
    // text as \xNN.
    QString shown(const PanelConfiguration &c) const;
    // Tells two values apart, whatever they show; never shown (it may be a password).
    QString compared(const PanelConfiguration &c) const;
};
