#include "input/VirtualKeyMap.h"

#include <SDL_scancode.h>
#include <array>
#include <cstdint>

namespace
{
using Table = std::array<uint8_t, SDL_NUM_SCANCODES>;

void MapRange(Table& table, int firstScancode, int lastScancode, int firstKey)
{
    for (int s = firstScancode; s <= lastScancode; ++s)
        table[static_cast<size_t>(s)] = static_cast<uint8_t>(firstKey + s - firstScancode);
}

void MapLettersDigitsAndFunctionKeys(Table& t)
{
    MapRange(t, SDL_SCANCODE_A, SDL_SCANCODE_Z, 'A');
    MapRange(t, SDL_SCANCODE_1, SDL_SCANCODE_9, '1');
    t[SDL_SCANCODE_0] = '0';
    MapRange(t, SDL_SCANCODE_F1, SDL_SCANCODE_F12, 0x70);
    MapRange(t, SDL_SCANCODE_F13, SDL_SCANCODE_F24, 0x7C);
    MapRange(t, SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_9, 0x61);
    t[SDL_SCANCODE_KP_0] = 0x60;
}

void MapEditingAndNavigation(Table& t)
{
    t[SDL_SCANCODE_BACKSPACE] = 0x08;
    t[SDL_SCANCODE_TAB] = 0x09;
    t[SDL_SCANCODE_RETURN] = 0x0D;
    t[SDL_SCANCODE_KP_ENTER] = 0x0D; // Windows reports both Enter keys as VK_RETURN
    t[SDL_SCANCODE_PAUSE] = 0x13;
    t[SDL_SCANCODE_CAPSLOCK] = 0x14;
    t[SDL_SCANCODE_ESCAPE] = 0x1B;
    t[SDL_SCANCODE_SPACE] = 0x20;
    t[SDL_SCANCODE_PAGEUP] = 0x21;
    t[SDL_SCANCODE_PAGEDOWN] = 0x22;
    t[SDL_SCANCODE_END] = 0x23;
    t[SDL_SCANCODE_HOME] = 0x24;
    t[SDL_SCANCODE_LEFT] = 0x25;
    t[SDL_SCANCODE_UP] = 0x26;
    t[SDL_SCANCODE_RIGHT] = 0x27;
    t[SDL_SCANCODE_DOWN] = 0x28;
    t[SDL_SCANCODE_PRINTSCREEN] = 0x2C;
    t[SDL_SCANCODE_INSERT] = 0x2D;
    t[SDL_SCANCODE_DELETE] = 0x2E;
}

void MapModifiersAndKeypad(Table& t)
{
    // Key messages carry the side-less modifier codes; the sided ones (0xA0..) never reach them.
    t[SDL_SCANCODE_LSHIFT] = t[SDL_SCANCODE_RSHIFT] = 0x10;
    t[SDL_SCANCODE_LCTRL] = t[SDL_SCANCODE_RCTRL] = 0x11;
    t[SDL_SCANCODE_LALT] = t[SDL_SCANCODE_RALT] = 0x12;
    t[SDL_SCANCODE_LGUI] = 0x5B;
    t[SDL_SCANCODE_RGUI] = 0x5C;
    t[SDL_SCANCODE_APPLICATION] = 0x5D;
    t[SDL_SCANCODE_KP_MULTIPLY] = 0x6A;
    t[SDL_SCANCODE_KP_PLUS] = 0x6B;
    t[SDL_SCANCODE_KP_MINUS] = 0x6D;
    t[SDL_SCANCODE_KP_PERIOD] = 0x6E;
    t[SDL_SCANCODE_KP_DIVIDE] = 0x6F;
    t[SDL_SCANCODE_NUMLOCKCLEAR] = 0x90;
    t[SDL_SCANCODE_SCROLLLOCK] = 0x91;
}

void MapPunctuation(Table& t)
{
    // US-layout positions of the OEM keys; all lie above the 136-entry key table and are
    // mapped only so that the translation is complete.
    t[SDL_SCANCODE_SEMICOLON] = 0xBA;
    t[SDL_SCANCODE_EQUALS] = 0xBB;
    t[SDL_SCANCODE_COMMA] = 0xBC;
    t[SDL_SCANCODE_MINUS] = 0xBD;
    t[SDL_SCANCODE_PERIOD] = 0xBE;
    t[SDL_SCANCODE_SLASH] = 0xBF;
    t[SDL_SCANCODE_GRAVE] = 0xC0;
    t[SDL_SCANCODE_LEFTBRACKET] = 0xDB;
    t[SDL_SCANCODE_BACKSLASH] = 0xDC;
    t[SDL_SCANCODE_RIGHTBRACKET] = 0xDD;
    t[SDL_SCANCODE_APOSTROPHE] = 0xDE;
    t[SDL_SCANCODE_NONUSBACKSLASH] = 0xE2;
}

Table BuildTable()
{
    Table table{};
    MapLettersDigitsAndFunctionKeys(table);
    MapEditingAndNavigation(table);
    MapModifiersAndKeypad(table);
    MapPunctuation(table);
    return table;
}
} // namespace

int VirtualKeyFromScancode(int scancode)
{
    static const Table table = BuildTable();
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES)
        return 0;
    return table[static_cast<size_t>(scancode)];
}
