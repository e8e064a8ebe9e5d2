// One key of a layout: what it shows and what it produces.
#pragma once

#include <windows.h>

#include <string>

// Code values with a meaning of their own (characters are their UTF-16 code unit).
constexpr int PageToggleCode = 144;
constexpr int NoKeyCode = -1; // also Control+X
// The editing keys, the only ones that repeat while held.
constexpr int BackspaceCode = 8;
constexpr int DeleteCode = -46;
constexpr int LeftCode = -37, UpCode = -38, RightCode = -39, DownCode = -40;
// The face colour of a key without a colour of its own.
constexpr COLORREF NoFaceColor = 0xFFFFFFFF;

class KeyDef {
public:
    KeyDef() = default;
    virtual ~KeyDef() = default;

    void SetLabel(const std::wstring& label) { Label = label; }
    std::wstring GetLabel() const { return Label; }

    // A text key carries text instead of a code: setting one clears the other.
    void SetText(const std::wstring& text);
    std::wstring GetText() const { return Text; }
    // A text key types its text at the press and nothing else; its Code (-1) means nothing.
    bool IsTextKey() const { return !Text.empty(); }
    void SetCode(int code);
    int GetCode() const { return Code; }
    // A record never filled (before the keyboards are built): no label, text or picture, and
    // the code of no key, which must not type the cut shortcut that -1 also stands for.
    bool IsEmpty() const { return Label.empty() && Text.empty() && Image < 0 && Code == NoKeyCode; }
    // True for the editing keys: a finger resting on any other key must not type it again.
    bool RepeatsWhileHeld() const;

    // Index in KeyImageList; any negative value is stored as -1, no picture.
    void SetImage(int image) { Image = ClampToMinusOne(image); }
    int GetImage() const { return Image; }

    void SetFaceColor(COLORREF color) { FaceColor = color; }
    COLORREF GetFaceColor() const { return FaceColor; }

    // The brush is not owned.
    void SetFaceBrush(HBRUSH brush) { FaceBrush = brush; }
    HBRUSH GetFaceBrush() const { return FaceBrush; }

    // +1: first cell of a two-cell key, -1: second cell, 0: a single cell.
    void SetHorizontalSpan(int span) { HorizontalSpan = ClampToMinusOne(span); }
    int GetHorizontalSpan() const { return HorizontalSpan; }
    void SetVerticalSpan(int span) { VerticalSpan = ClampToMinusOne(span); }
    int GetVerticalSpan() const { return VerticalSpan; }

private:
    static int ClampToMinusOne(int value) { return value < 0 ? -1 : value; }

    std::wstring Label;
    int Code = NoKeyCode;
    std::wstring Text;
    int Image = -1;
    COLORREF FaceColor = NoFaceColor;
    HBRUSH FaceBrush = nullptr;
    int HorizontalSpan = 0;
    int VerticalSpan = 0;
};
