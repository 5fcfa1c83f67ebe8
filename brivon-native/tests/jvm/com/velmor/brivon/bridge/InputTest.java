package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimView;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.RenderEvents;
import java.util.List;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/** Mouse, wheel and key input from Java, as it reaches the engine field by field. */
class InputTest extends BrowserSession {
    private final RenderEvents render = new RenderEvents();
    private long id;

    @BeforeEach
    void browser() {
        CefLib.setRenderHandler(render);
        id = CefLib.createBrowser();
    }

    private SimView.Input only() {
        List<SimView.Input> inputs = SimView.inputs((int) id);
        assertEquals(1, inputs.size(), "input events");
        return inputs.get(0);
    }

    @ParameterizedTest(name = "button {2}, up {3}")
    @DisplayName("sendMouseClickEvent: a press or release of that button at x, y, click count 1, modifiers 0")
    @CsvSource({"10, 20, 2, false", "10, 20, 2, true", "0, 0, 0, false", "-3, 7, 1, true"})
    void click(int x, int y, int button, boolean up) {
        CefLib.sendMouseClickEvent(id, x, y, button, up);
        SimView.Input e = only();
        assertEquals(SimView.INPUT_CLICK, e.kind);
        assertEquals(List.of(x, y, button, 1, 0), List.of(e.x, e.y, e.button, e.clickCount, e.modifiers));
        assertEquals(up, e.mouseUp);
    }

    @ParameterizedTest(name = "modifiers {2}, leave {3}")
    @DisplayName("sendMouseMoveEvent: the modifiers unchanged, and the mouse-leave flag")
    @CsvSource({"5, 5, 16, false", "7, 8, 0, true", "1, 2, " + (2 | 4 | 64) + ", false", "3, 3, -1, false"})
    void move(int x, int y, int modifiers, boolean leave) {
        CefLib.sendMouseMoveEvent(id, x, y, modifiers, leave);
        SimView.Input e = only();
        assertEquals(SimView.INPUT_MOVE, e.kind);
        assertEquals(List.of(x, y, modifiers), List.of(e.x, e.y, e.modifiers));
        assertEquals(leave, e.mouseLeave);
    }

    @ParameterizedTest(name = "deltas {2}, {3}")
    @DisplayName("sendMouseWheelEvent: the deltas unchanged, modifiers 0")
    @CsvSource({"3, 4, -120, 60", "0, 0, 0, 0", "9, 9, 2147483647, -2147483648"})
    void wheel(int x, int y, int dx, int dy) {
        CefLib.sendMouseWheelEvent(id, x, y, dx, dy);
        SimView.Input e = only();
        assertEquals(SimView.INPUT_WHEEL, e.kind);
        assertEquals(List.of(x, y, dx, dy, 0), List.of(e.x, e.y, e.deltaX, e.deltaY, e.modifiers));
    }

    @ParameterizedTest(name = "type {0}, code {2}, system {4}")
    @DisplayName("sendKeyEvent: type, modifiers, key codes and system flag as given; never a character")
    @CsvSource({"3, 0, 65, 0, false, 0", "0, 2, 16, 42, false, 0", "2, 8, 115, 62, true, 1", "1, 4, 67, 46, false, 0"})
    void key(int type, int modifiers, int windowsCode, int nativeCode, boolean system, int systemFlag) {
        CefLib.sendKeyEvent(id, type, modifiers, windowsCode, nativeCode, system);
        SimView.Input e = only();
        assertEquals(SimView.INPUT_KEY, e.kind);
        assertEquals(List.of(type, modifiers, windowsCode, nativeCode, systemFlag),
            List.of(e.keyType, e.modifiers, e.windowsKeyCode, e.nativeKeyCode, e.isSystemKey));
        assertEquals(List.of(0, 0, 0), List.of(e.character, e.unmodifiedCharacter, e.focusOnEditableField));
    }

    private void sendOneOfEach(long browser) {
        CefLib.sendMouseClickEvent(browser, 1, 1, 0, false);
        CefLib.sendMouseMoveEvent(browser, 1, 1, 0, false);
        CefLib.sendMouseWheelEvent(browser, 1, 1, 0, 10);
        CefLib.sendKeyEvent(browser, 0, 0, 65, 0, false);
        CefLib.resize(browser, 10, 10);
    }

    @Test
    @DisplayName("input for an unknown id reaches no browser")
    void unknownId() {
        sendOneOfEach(id + 1000);
        sendOneOfEach(-1);
        Engine.pumpTimes(5);
        assertTrue(SimView.inputs((int) id).isEmpty());
    }

    @Test
    @DisplayName("input for a browser Java is closing makes no engine call, though the engine has not closed it yet")
    void closingBrowser() {
        Engine.pumpUntil(() -> !SimBrowsers.viewRectsAsked((int) id).isEmpty(), "the first layout");
        int asked = SimBrowsers.viewRectsAsked((int) id).size();
        CefLib.closeBrowser(id, false);
        sendOneOfEach(id);
        assertTrue(SimView.inputs((int) id).isEmpty());
        Engine.pumpUntil(() -> SimBrowsers.closed((int) id), "the close");
        sendOneOfEach(id);
        assertTrue(SimView.inputs((int) id).isEmpty());
        assertEquals(asked, SimBrowsers.viewRectsAsked((int) id).size());
    }
}
