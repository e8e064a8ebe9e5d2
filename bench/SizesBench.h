// What the key sizes give on this screen, the library's start-up beside a bare window's, and the
// paint of the largest keyboard beside its floor.
#pragma once

// For each key size at the screen's DPI: the docked row height the library asks for, the floating
// keys and the height of a digit as painted, in pixels and millimetres.
void BenchKeySizes();

// LoadLibrary of the built library until the keyboard's first paint, beside the creation and
// first paint of a bare child window.
void BenchStartUp();

// On a 192 DPI screen: Extra large keys on a 1920-pixel-wide panel painted whole, beside an empty
// paint cycle and a BitBlt of that size.
void BenchLargestPaint();
