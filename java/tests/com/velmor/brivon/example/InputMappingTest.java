package com.velmor.brivon.example;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNull;

import java.awt.Canvas;
import java.awt.Component;
import java.awt.event.InputEvent;
import java.awt.event.KeyEvent;
import java.awt.event.MouseEvent;
import java.awt.event.MouseWheelEvent;
import org.junit.jupiter.api.Test;

/** AWT events as a Windows client would hand them to the engine. */
class InputMappingTest {
    private static final Component SOURCE = new Canvas();
    private static final int SHIFT = InputEvent.SHIFT_DOWN_MASK;
    private static final int CTRL = InputEvent.CTRL_DOWN_MASK;
    private static final int ALT = InputEvent.ALT_DOWN_MASK;

    private static KeyEvent key(int id, int modifiersEx, int keyCode, char keyChar, int location) {
        return new KeyEvent(SOURCE, id, 0, modifiersEx, keyCode, keyChar, location);
    }

    private static KeyEvent pressed(int modifiersEx, int keyCode, int location) {
        return key(KeyEvent.KEY_PRESSED, modifiersEx, keyCode, KeyEvent.CHAR_UNDEFINED, location);
    }

    private static KeyEvent typed(int modifiersEx, char c) {
        return key(KeyEvent.KEY_TYPED, modifiersEx, KeyEvent.VK_UNDEFINED, c, KeyEvent.KEY_LOCATION_UNKNOWN);
    }

    @Test
    void keysBecomeWindowsKeyEvents() {
        int standard = KeyEvent.KEY_LOCATION_STANDARD;
        Object[][] cases = {
            // what, event, type, engine modifiers, Windows code, system key
            {"letter down", pressed(0, KeyEvent.VK_A, standard), InputMapping.RAW_KEY_DOWN, 0, 0x41, false},
            {"letter up", key(KeyEvent.KEY_RELEASED, 0, KeyEvent.VK_A, 'a', standard), InputMapping.KEY_UP, 0, 0x41, false},
            {"Enter", pressed(0, KeyEvent.VK_ENTER, standard), InputMapping.RAW_KEY_DOWN, 0, 0x0D, false},
            {"Delete", pressed(0, KeyEvent.VK_DELETE, standard), InputMapping.RAW_KEY_DOWN, 0, 0x2E, false},
            {"Insert", pressed(0, KeyEvent.VK_INSERT, standard), InputMapping.RAW_KEY_DOWN, 0, 0x2D, false},
            {"comma", pressed(0, KeyEvent.VK_COMMA, standard), InputMapping.RAW_KEY_DOWN, 0, 0xBC, false},
            {"open bracket", pressed(0, KeyEvent.VK_OPEN_BRACKET, standard), InputMapping.RAW_KEY_DOWN, 0, 0xDB, false},
            {"quote", pressed(0, KeyEvent.VK_QUOTE, standard), InputMapping.RAW_KEY_DOWN, 0, 0xDE, false},
            {"F13", pressed(0, KeyEvent.VK_F13, standard), InputMapping.RAW_KEY_DOWN, 0, 0x7C, false},
            {"F24", pressed(0, KeyEvent.VK_F24, standard), InputMapping.RAW_KEY_DOWN, 0, 0x87, false},
            {"arrow left", pressed(0, KeyEvent.VK_LEFT, standard), InputMapping.RAW_KEY_DOWN, 0, 0x25, false},
            {"pad 5", pressed(0, KeyEvent.VK_NUMPAD5, KeyEvent.KEY_LOCATION_NUMPAD), InputMapping.RAW_KEY_DOWN,
                InputMapping.IS_KEY_PAD, 0x65, false},
            {"left shift", pressed(SHIFT, KeyEvent.VK_SHIFT, KeyEvent.KEY_LOCATION_LEFT), InputMapping.RAW_KEY_DOWN,
                InputMapping.SHIFT_DOWN | InputMapping.IS_LEFT, 0x10, false},
            {"right control", pressed(CTRL, KeyEvent.VK_CONTROL, KeyEvent.KEY_LOCATION_RIGHT), InputMapping.RAW_KEY_DOWN,
                InputMapping.CONTROL_DOWN | InputMapping.IS_RIGHT, 0x11, false},
            {"Alt+F4", pressed(ALT, KeyEvent.VK_F4, standard), InputMapping.RAW_KEY_DOWN, InputMapping.ALT_DOWN, 0x73, true},
            {"Ctrl+Alt+Q (AltGr)", pressed(CTRL | ALT, KeyEvent.VK_Q, standard), InputMapping.RAW_KEY_DOWN,
                InputMapping.CONTROL_DOWN | InputMapping.ALT_DOWN, 0x51, false},
            {"typed a", typed(0, 'a'), InputMapping.CHAR, 0, (int) 'a', false},
            {"typed A", typed(SHIFT, 'A'), InputMapping.CHAR, InputMapping.SHIFT_DOWN, (int) 'A', false},
            {"typed Enter", typed(0, '\n'), InputMapping.CHAR, 0, (int) '\r', false},
            {"typed non-Latin", typed(0, '\u00e9'), InputMapping.CHAR, 0, 0xE9, false},
            {"typed with Alt", typed(ALT, 'x'), InputMapping.CHAR, InputMapping.ALT_DOWN, (int) 'x', true},
        };
        for (Object[] row : cases) {
            InputMapping.Key got = InputMapping.key((KeyEvent) row[1]);
            String what = (String) row[0];
            assertEquals(row[2], got.type, what + ": type");
            assertEquals(row[3], got.modifiers, what + ": modifiers");
            assertEquals(row[4], got.windowsKeyCode, what + ": Windows key code");
            assertEquals(row[5], got.systemKey, what + ": system key");
        }
    }

    @Test
    void keysWithoutAWindowsCodeAreNotSent() {
        assertNull(InputMapping.key(pressed(0, KeyEvent.VK_UNDEFINED, KeyEvent.KEY_LOCATION_UNKNOWN)));
        assertNull(InputMapping.key(pressed(0, KeyEvent.VK_KANA_LOCK, KeyEvent.KEY_LOCATION_STANDARD)));
    }

    @Test
    void mouseButtonsAndHeldModifiersBecomeEngineNumbers() {
        Object[][] cases = {
            // AWT button, button mask held, keys held, engine button, engine modifiers of a move
            {MouseEvent.BUTTON1, InputEvent.BUTTON1_DOWN_MASK, 0, 0, InputMapping.LEFT_MOUSE_BUTTON},
            {MouseEvent.BUTTON2, InputEvent.BUTTON2_DOWN_MASK, SHIFT, 1,
                InputMapping.MIDDLE_MOUSE_BUTTON | InputMapping.SHIFT_DOWN},
            {MouseEvent.BUTTON3, InputEvent.BUTTON3_DOWN_MASK, CTRL | ALT, 2,
                InputMapping.RIGHT_MOUSE_BUTTON | InputMapping.CONTROL_DOWN | InputMapping.ALT_DOWN},
        };
        for (Object[] row : cases) {
            int awtButton = (Integer) row[0];
            MouseEvent e = new MouseEvent(SOURCE, MouseEvent.MOUSE_PRESSED, 0, (Integer) row[1] | (Integer) row[2],
                    10, 20, 1, false, awtButton);
            assertEquals(row[3], InputMapping.button(e), "button " + awtButton);
            assertEquals(row[4], InputMapping.modifiers(e), "modifiers with button " + awtButton);
        }
    }

    @Test
    void wheelTurnsInWindowsUnitsAwayFromTheUserAndSidewaysWithShift() {
        Object[][] cases = {
            // keys held, AWT rotation (towards the user positive), {deltaX, deltaY}
            {0, 1.0, new int[] {0, -120}},
            {0, -2.0, new int[] {0, 240}},
            {0, 0.5, new int[] {0, -60}},
            {SHIFT, 1.0, new int[] {-120, 0}},
        };
        for (Object[] row : cases) {
            double rotation = (Double) row[1];
            MouseWheelEvent e = new MouseWheelEvent(SOURCE, MouseEvent.MOUSE_WHEEL, 0, (Integer) row[0], 5, 5, 5, 5, 0,
                    false, MouseWheelEvent.WHEEL_UNIT_SCROLL, 3, (int) Math.signum(rotation), rotation);
            assertArrayEquals((int[]) row[2], InputMapping.wheelDeltas(e), "rotation " + rotation + " keys " + row[0]);
        }
    }
}
