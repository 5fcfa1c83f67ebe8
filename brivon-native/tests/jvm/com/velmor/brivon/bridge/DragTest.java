package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
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

/** Drags started in a page and text dragged in by Java, driven through the drop-target methods. */
class DragTest extends BrowserSession {
    private static final int EVERY = 0xffffffff;
    private static final int LEFT_BUTTON = 16;
    private static final int COPY = 1;
    private static final int MOVE = 16;
    private static final int MANY = 3000;
    private final RenderEvents render = new RenderEvents();
    private long id;

    @BeforeEach
    void browser() {
        render.clear();
        CefLib.setRenderHandler(render);
        id = CefLib.createBrowser();
    }

    private List<SimView.DragCall> drags() {
        return SimView.drags((int) id);
    }

    private void assertDragEvent(SimView.DragCall call, int kind, int x, int y) {
        assertEquals(List.of(kind, x, y, LEFT_BUTTON), List.of(call.kind, call.x, call.y, call.modifiers), "drag call");
    }

    @ParameterizedTest(name = "allowed {0}")
    @DisplayName("a drag in the page: own drop target at the start with the engine's data, onStartDragging, cursor updates, drop then source end")
    @CsvSource({COPY + MOVE + "", MOVE + ""})
    void dragInPage(int allowed) {
        assertTrue(SimView.startDrag((int) id, "selected words", allowed, 30, 40));
        Engine.pumpUntil(() -> !render.named("onStartDragging", id).isEmpty(), "the drag's start");
        assertEquals(allowed, render.named("onStartDragging", id).get(0).number);
        assertEquals(List.of(true), SimView.startDraggingAnswers((int) id));
        SimView.DragCall enter = drags().get(0);
        assertDragEvent(enter, SimView.DRAG_ENTER, 30, 40);
        assertEquals(allowed, enter.allowedOps);
        assertTrue(enter.engineData, "the engine's own drag data");
        assertEquals("selected words", enter.text);

        CefLib.dragTargetDragOver(id, 50, 60);
        CefLib.dragTargetDragOver(id, 55, 65);
        Engine.pumpUntil(() -> render.named("onUpdateDragCursor", id).size() == 2, "the cursor updates");
        int accepted = (allowed & COPY) != 0 ? COPY : MOVE;
        assertEquals(accepted, render.named("onUpdateDragCursor", id).get(1).number);
        assertDragEvent(drags().get(1), SimView.DRAG_OVER, 50, 60);
        assertEquals(EVERY, drags().get(1).allowedOps);
        assertDragEvent(drags().get(2), SimView.DRAG_OVER, 55, 65);

        CefLib.dragTargetDrop(id, 70, 80);
        assertEquals(5, drags().size());
        assertDragEvent(drags().get(3), SimView.DRAG_DROP, 70, 80);
        assertEquals(SimView.DRAG_SOURCE_SYSTEM_ENDED, drags().get(4).kind);
    }

    @Test
    @DisplayName("without a render handler a page's drag is refused and the browser is not made its drop target")
    void dragWithoutHandler() {
        CefLib.setRenderHandler(null);
        assertTrue(SimView.startDrag((int) id, "text", COPY, 1, 1));
        Engine.pumpUntil(() -> !SimView.startDraggingAnswers((int) id).isEmpty(), "the drag's start");
        assertEquals(List.of(false), SimView.startDraggingAnswers((int) id));
        assertTrue(drags().isEmpty());
    }

    @ParameterizedTest(name = "text {0}")
    @DisplayName("dragTargetDragEnter: new drag data holding the text (null as empty), every operation, modifiers 16")
    @CsvSource(value = {"plain text, plain text", "NULL, ''", "'a\uD83D\uDE00b', 'a\uD83D\uDE00b'", "'', ''"},
        nullValues = "NULL")
    void dragEnter(String text, String expected) {
        CefLib.dragTargetDragEnter(id, 12, 34, text);
        SimView.DragCall enter = drags().get(0);
        assertDragEvent(enter, SimView.DRAG_ENTER, 12, 34);
        assertEquals(EVERY, enter.allowedOps);
        assertTrue(enter.hasData);
        assertFalse(enter.engineData);
        assertEquals(expected, enter.text);
    }

    @Test
    @DisplayName("dragTargetDrop without an enter goes to the engine unchanged")
    void dropWithoutEnter() {
        CefLib.dragTargetDrop(id, 3, 4);
        assertEquals(2, drags().size());
        assertDragEvent(drags().get(0), SimView.DRAG_DROP, 3, 4);
        assertEquals(SimView.DRAG_SOURCE_SYSTEM_ENDED, drags().get(1).kind);
    }

    @Test
    @DisplayName("drags for an unknown id or a closing browser reach no engine")
    void unknownAndClosing() {
        for (long browser : new long[] {id + 1000, -1}) {
            CefLib.dragTargetDragEnter(browser, 1, 1, "x");
            CefLib.dragTargetDragOver(browser, 1, 1);
            CefLib.dragTargetDrop(browser, 1, 1);
        }
        CefLib.closeBrowser(id, false);
        CefLib.dragTargetDragEnter(id, 1, 1, "x");
        CefLib.dragTargetDragOver(id, 1, 1);
        CefLib.dragTargetDrop(id, 1, 1);
        Engine.pumpUntil(() -> SimBrowsers.closed((int) id), "the close");
        assertTrue(drags().isEmpty());
    }

    @Test
    @DisplayName("thousands of drag-cursor updates in one loop iteration leave no local references")
    void thousandsOfUpdatesInOnePump() {
        CefLib.dragTargetDragEnter(id, 0, 0, "many");
        for (int i = 0; i < MANY; i++) {
            CefLib.dragTargetDragOver(id, i % 100, i % 50);
        }
        Engine.pumpUntil(() -> render.named("onUpdateDragCursor", id).size() >= MANY, "the updates");
        assertEquals(MANY, render.named("onUpdateDragCursor", id).size());
        CefLib.dragTargetDrop(id, 0, 0);
    }
}
