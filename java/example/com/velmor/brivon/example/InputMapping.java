package com.velmor.brivon.example;

import java.awt.event.InputEvent;
import java.awt.event.KeyEvent;
import java.awt.event.MouseEvent;
import java.awt.event.MouseWheelEvent;

/**
 * AWT events in the form the bridge's input methods take: the engine's event flags, mouse
 * buttons and key event types, with Windows virtual-key codes and characters as a Windows
 * client would send them (the engine reads them that way on every platform).
 */
final class InputMapping {
    // The engine's event flags.
    static final int SHIFT_DOWN = 2;
    static final int CONTROL_DOWN = 4;
    static final int ALT_DOWN = 8;
    static final int LEFT_MOUSE_BUTTON = 16;
    static final int MIDDLE_MOUSE_BUTTON = 32;
    static final int RIGHT_MOUSE_BUTTON = 64;
    static final int COMMAND_DOWN = 128;
    static final int IS_KEY_PAD = 512;
    static final int IS_LEFT = 1024;
    static final int IS_RIGHT = 2048;

    // The engine's key event types.
    static final int RAW_KEY_DOWN = 0;
    static final int KEY_UP = 2;
    static final int CHAR = 3;

    /** One Windows wheel notch. */
    static final int WHEEL_DELTA = 120;

    private InputMapping() {
    }

    /** A key event ready for {@code CefLib.sendKeyEvent}. */
    static final class Key {
        final int type;
        final int modifiers;
        final int windowsKeyCode;
        final boolean systemKey;

        Key(int type, int modifiers, int windowsKeyCode, boolean systemKey) {
            this.type = type;
            this.modifiers = modifiers;
            this.windowsKeyCode = windowsKeyCode;
            this.systemKey = systemKey;
        }

        @Override
        public String toString() {
            return "key[type " + type + ", modifiers " + modifiers + ", code " + windowsKeyCode
                    + (systemKey ? ", system" : "") + "]";
        }
    }

    static int modifiers(InputEvent e) {
        int ex = e.getModifiersEx();
        int flags = 0;
        if ((ex & InputEvent.SHIFT_DOWN_MASK) != 0) {
            flags |= SHIFT_DOWN;
        }
        if ((ex & InputEvent.CTRL_DOWN_MASK) != 0) {
            flags |= CONTROL_DOWN;
        }
        if ((ex & InputEvent.ALT_DOWN_MASK) != 0) {
            flags |= ALT_DOWN;
        }
        if ((ex & InputEvent.META_DOWN_MASK) != 0) {
            flags |= COMMAND_DOWN;
        }
        if ((ex & InputEvent.BUTTON1_DOWN_MASK) != 0) {
            flags |= LEFT_MOUSE_BUTTON;
        }
        if ((ex & InputEvent.BUTTON2_DOWN_MASK) != 0) {
            flags |= MIDDLE_MOUSE_BUTTON;
        }
        if ((ex & InputEvent.BUTTON3_DOWN_MASK) != 0) {
            flags |= RIGHT_MOUSE_BUTTON;
        }
        return flags;
    }

    /** 0 left, 1 middle, 2 right; -1 for buttons the engine has no number for. */
    static int button(MouseEvent e) {
        switch (e.getButton()) {
            case MouseEvent.BUTTON1: return 0;
            case MouseEvent.BUTTON2: return 1;
            case MouseEvent.BUTTON3: return 2;
            default: return -1;
        }
    }

    /**
     * {deltaX, deltaY} in Windows units: 120 a notch, positive away from the user, where AWT
     * counts towards the user. With Shift held the wheel scrolls sideways, as Windows clients
     * do it themselves (the bridge sends wheel events without modifiers).
     */
    static int[] wheelDeltas(MouseWheelEvent e) {
        int delta = (int) Math.round(-e.getPreciseWheelRotation() * WHEEL_DELTA);
        return e.isShiftDown() ? new int[] {delta, 0} : new int[] {0, delta};
    }

    /** The key event to send for a pressed, released or typed key; null when there is none. */
    static Key key(KeyEvent e) {
        int flags = modifiers(e) & (SHIFT_DOWN | CONTROL_DOWN | ALT_DOWN | COMMAND_DOWN);
        // Windows reports keys with Alt (and without Ctrl, which with Alt is AltGr) as system keys.
        boolean system = (flags & ALT_DOWN) != 0 && (flags & CONTROL_DOWN) == 0;
        switch (e.getID()) {
            case KeyEvent.KEY_TYPED: {
                char c = e.getKeyChar();
                if (c == KeyEvent.CHAR_UNDEFINED) {
                    return null;
                }
                // Windows types Enter as a carriage return.
                return new Key(CHAR, flags, c == '\n' ? '\r' : c, system);
            }
            case KeyEvent.KEY_PRESSED:
            case KeyEvent.KEY_RELEASED: {
                int code = windowsKeyCode(e.getKeyCode());
                if (code == 0) {
                    return null;
                }
                switch (e.getKeyLocation()) {
                    case KeyEvent.KEY_LOCATION_NUMPAD: flags |= IS_KEY_PAD; break;
                    case KeyEvent.KEY_LOCATION_LEFT: flags |= IS_LEFT; break;
                    case KeyEvent.KEY_LOCATION_RIGHT: flags |= IS_RIGHT; break;
                    default: break;
                }
                return new Key(e.getID() == KeyEvent.KEY_PRESSED ? RAW_KEY_DOWN : KEY_UP, flags, code, system);
            }
            default:
                return null;
        }
    }

    /**
     * The Windows virtual-key code of an AWT key code; 0 when it has none. Letters, digits,
     * function keys, the numeric pad, arrows and most control keys share their numbers with
     * Windows; the rest differ.
     */
    static int windowsKeyCode(int awt) {
        switch (awt) {
            case KeyEvent.VK_ENTER: return 0x0D;
            case KeyEvent.VK_DELETE: return 0x2E;
            case KeyEvent.VK_INSERT: return 0x2D;
            case KeyEvent.VK_PRINTSCREEN: return 0x2C;
            case KeyEvent.VK_HELP: return 0x2F;
            case KeyEvent.VK_META: return 0x5B;
            case KeyEvent.VK_WINDOWS: return 0x5B;
            case KeyEvent.VK_CONTEXT_MENU: return 0x5D;
            case KeyEvent.VK_SEMICOLON: return 0xBA;
            case KeyEvent.VK_EQUALS: return 0xBB;
            case KeyEvent.VK_COMMA: return 0xBC;
            case KeyEvent.VK_MINUS: return 0xBD;
            case KeyEvent.VK_PERIOD: return 0xBE;
            case KeyEvent.VK_SLASH: return 0xBF;
            case KeyEvent.VK_BACK_QUOTE: return 0xC0;
            case KeyEvent.VK_OPEN_BRACKET: return 0xDB;
            case KeyEvent.VK_BACK_SLASH: return 0xDC;
            case KeyEvent.VK_CLOSE_BRACKET: return 0xDD;
            case KeyEvent.VK_QUOTE: return 0xDE;
            case KeyEvent.VK_LESS: return 0xE2;
            case KeyEvent.VK_KP_UP: return 0x26;
            case KeyEvent.VK_KP_DOWN: return 0x28;
            case KeyEvent.VK_KP_LEFT: return 0x25;
            case KeyEvent.VK_KP_RIGHT: return 0x27;
            default: break;
        }
        if (awt >= KeyEvent.VK_F13 && awt <= KeyEvent.VK_F24) {
            return 0x7C + (awt - KeyEvent.VK_F13);
        }
        boolean shared = awt == KeyEvent.VK_BACK_SPACE || awt == KeyEvent.VK_TAB
                || awt == KeyEvent.VK_CLEAR
                || (awt >= KeyEvent.VK_SHIFT && awt <= KeyEvent.VK_CAPS_LOCK)
                || awt == KeyEvent.VK_ESCAPE
                || (awt >= KeyEvent.VK_SPACE && awt <= KeyEvent.VK_DOWN)
                || (awt >= KeyEvent.VK_0 && awt <= KeyEvent.VK_9)
                || (awt >= KeyEvent.VK_A && awt <= KeyEvent.VK_Z)
                || (awt >= KeyEvent.VK_NUMPAD0 && awt <= KeyEvent.VK_F12)
                || awt == KeyEvent.VK_NUM_LOCK || awt == KeyEvent.VK_SCROLL_LOCK;
        return shared ? awt : 0;
    }
}
