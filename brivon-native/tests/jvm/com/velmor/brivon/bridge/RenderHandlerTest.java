package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.probe.TableProbe;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimPage;
import com.velmor.brivon.sim.SimView;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.RenderEvents;
import java.util.List;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/** The off-screen view: sizes the engine asks, paints Java gets, the popup widget, the cursor. */
class RenderHandlerTest extends BrowserSession {
    private static final int MANY = 5000;
    private static final int CT_IBEAM = 3;
    private final RenderEvents render = new RenderEvents();
    private long id;

    /** The probe build: it can read what the bridge writes to standard output. */
    @Override
    protected String library() {
        return System.getProperty("brivon.probe.library");
    }

    @BeforeEach
    void browser() {
        CefLib.setRenderHandler(render);
        render.clear();
        render.countOnly = false;
        render.probeOffsets = new long[0];
        render.paintHook = pixels -> { };
        id = CefLib.createBrowser();
    }

    private List<int[]> asked(long browser) {
        return SimBrowsers.viewRectsAsked((int) browser);
    }

    private int[] lastAsked(long browser) {
        List<int[]> rects = asked(browser);
        return rects.get(rects.size() - 1);
    }

    /** Resizes and pumps until the engine has laid the view out again. */
    private void resizeAndWait(long browser, int width, int height) {
        int before = asked(browser).size();
        CefLib.resize(browser, width, height);
        Engine.pumpUntil(() -> asked(browser).size() > before, "the view laid out again");
    }

    /** Pumps until a view paint of the browser has arrived: everything posted before it has run. */
    private void fence(long browser) {
        int before = render.paints(browser).size();
        assertTrue(SimView.paint((int) browser, false, new int[] {0, 0, 1, 1}, 1, 0, 0));
        Engine.pumpUntil(() -> render.paints(browser).size() > before, "a fence paint");
        render.paints.remove(render.paints.size() - 1);
    }

    @ParameterizedTest(name = "{0} x {1} reported as {2} x {3}")
    @DisplayName("resize: the next GetViewRect gives 0, 0 and the size, a negative side as 0; the engine is told each time")
    @CsvSource({"800, 600, 800, 600", "0, 0, 0, 0", "-5, 600, 0, 600", "300, -1, 300, 0"})
    void resize(int width, int height, int expectedWidth, int expectedHeight) {
        resizeAndWait(id, width, height);
        assertArrayEquals(new int[] {0, 0, expectedWidth, expectedHeight}, lastAsked(id));
        assertArrayEquals(new int[] {0, 0, expectedWidth, expectedHeight}, SimBrowsers.askViewRect((int) id));
    }

    @Test
    @DisplayName("a child browser created at 10, 20 reports 0, 0 and the new size after resize")
    void childBrowserResize() {
        long child = CefLib.createBrowserAsChild(SimBrowsers.makeNativeWindow(), 10, 20, 110, 70);
        assertArrayEquals(new int[] {10, 20, 100, 50}, SimBrowsers.askViewRect((int) child));
        CefLib.resize(child, 800, 600);
        assertArrayEquals(new int[] {0, 0, 800, 600}, SimBrowsers.askViewRect((int) child));
    }

    @Test
    @DisplayName("resize of an unknown id changes no browser's view; a popup never sized reports 0, 0, 0, 0")
    void unknownAndUnseeded() {
        resizeAndWait(id, 320, 240);
        int askedBefore = asked(id).size();
        CefLib.resize(id + 1000, 10, 10);
        CefLib.resize(-1, 10, 10);
        Engine.pumpTimes(10);
        assertEquals(askedBefore, asked(id).size());
        assertArrayEquals(new int[] {0, 0, 320, 240}, SimBrowsers.askViewRect((int) id));

        SimWeb.servePage("http://view.test/opener", "Opener");
        CefLib.loadUrl(id, "http://view.test/opener");
        Engine.pumpUntil(() -> events.loadingStopped(id, 1), "the opener's page");
        events.blockPopups = false;
        int before = events.named("onAfterCreated").size();
        assertTrue(SimPage.windowOpen((int) id, "http://view.test/popup", false));
        Engine.pumpUntil(() -> events.named("onAfterCreated").size() > before, "the popup");
        long popup = events.named("onAfterCreated").get(before).browser;
        assertArrayEquals(new int[] {0, 0, 0, 0}, SimBrowsers.askViewRect((int) popup));
    }

    @Test
    @DisplayName("GetScreenInfo answers true each time the engine lays the view out, leaving its defaults")
    void screenInfo() {
        resizeAndWait(id, 100, 100);
        List<Boolean> answers = SimView.screenInfoAnswers((int) id);
        assertFalse(answers.isEmpty());
        assertFalse(answers.contains(false));
    }

    @ParameterizedTest(name = "{0} x {1}")
    @DisplayName("onPaint: a direct buffer of width x height x 4 bytes over the engine's own pixels, not a copy")
    @CsvSource({"64, 48", "1, 1", "333, 7", "3840, 2160"})
    void paintBytes(int width, int height) {
        long capacity = (long) width * height * 4;
        long middle = 4L * ((long) (height / 2) * width + width / 2);
        render.probeOffsets = new long[] {0, 1, 2, 3, middle, middle + 1, middle + 2, capacity - 2, capacity - 1};
        render.paintHook = pixels -> pixels.put(0, (byte) 0x5A);
        resizeAndWait(id, width, height);
        Engine.pumpUntil(() -> !render.paints(id).isEmpty(), "the repaint after resize");
        RenderEvents.Paint paint = render.paints(id).get(0);
        assertEquals(1, render.paints(id).size());
        assertFalse(paint.popup);
        assertEquals(width, paint.width);
        assertEquals(height, paint.height);
        assertTrue(paint.direct);
        assertEquals(capacity, paint.capacity);
        assertArrayEquals(new int[] {0, 0, width, height}, paint.rects);
        int serial = SimView.paintSerial((int) id);
        for (int i = 0; i < render.probeOffsets.length; i++) {
            assertEquals(SimView.patternByte(width, serial, render.probeOffsets[i]), paint.probed[i],
                "byte at " + render.probeOffsets[i]);
        }
        assertEquals(0x5A, SimView.frameByte((int) id, false, 0), "Java wrote into the engine's own memory");
    }

    @ParameterizedTest(name = "rects {0}")
    @DisplayName("a view paint hands the dirty rectangles over in the engine's order; none gives an empty array")
    @CsvSource({"''", "'1,2,3,4'", "'5,6,7,8,0,0,50,40,9,9,1,1'"})
    void viewDirtyRects(String flat) {
        int[] rects = flat.isEmpty() ? new int[0] : java.util.Arrays.stream(flat.split(",")).mapToInt(Integer::parseInt).toArray();
        resizeAndWait(id, 50, 40);
        Engine.pumpUntil(() -> !render.paints(id).isEmpty(), "the repaint after resize");
        render.clear();
        assertTrue(SimView.paint((int) id, false, rects, 1, 0, 0));
        Engine.pumpUntil(() -> !render.paints(id).isEmpty(), "the paint");
        assertArrayEquals(rects, render.paints(id).get(0).rects);
    }

    @ParameterizedTest(name = "popup sized {0} x {1}")
    @DisplayName("a popup paint before any OnPopupSize, or after one of no width or height, reaches no onPaint")
    @CsvSource({"-1, -1", "0, 150", "200, 0", "0, 0"})
    void popupPaintWithoutSize(int width, int height) {
        resizeAndWait(id, 50, 40);
        if (width >= 0) {
            assertTrue(SimView.movePopupWidget((int) id, 10, 20, width, height));
        }
        assertTrue(SimView.paint((int) id, true, new int[] {0, 0, 5, 5, 1, 1, 2, 2}, 1, 20, 20));
        assertTrue(SimView.paint((int) id, true, new int[0], 1, 20, 20));
        fence(id);
        for (RenderEvents.Paint paint : render.paints(id)) {
            assertFalse(paint.popup, "a popup paint reached Java: " + paint);
        }
    }

    @Test
    @DisplayName("a popup paint with three dirty rectangles gives twelve integers repeating the popup's rectangle")
    void popupPaint() {
        assertTrue(SimView.movePopupWidget((int) id, 10, 20, 200, 150));
        assertTrue(SimView.paint((int) id, true, new int[] {0, 0, 5, 5, 7, 7, 1, 1, 30, 40, 50, 60}, 1, 200, 150));
        Engine.pumpUntil(() -> !render.paints(id).isEmpty(), "the popup paint");
        RenderEvents.Paint paint = render.paints(id).get(0);
        assertTrue(paint.popup);
        assertEquals(200, paint.width);
        assertEquals(150, paint.height);
        assertEquals(200L * 150 * 4, paint.capacity);
        assertArrayEquals(new int[] {10, 20, 200, 150, 10, 20, 200, 150, 10, 20, 200, 150}, paint.rects);
    }

    @Test
    @DisplayName("a popup widget opens and closes: onPopupShow true, its paint, onPopupShow false and a full view repaint")
    void popupShowAndHide() {
        resizeAndWait(id, 120, 90);
        Engine.pumpUntil(() -> !render.paints(id).isEmpty(), "the repaint after resize");
        render.clear();
        assertTrue(TableProbe.beginStdoutCapture());
        assertTrue(SimView.openPopupWidget((int) id, 10, 20, 60, 30));
        Engine.pumpUntil(() -> render.paints(id).size() == 1, "the popup's paint");
        assertEquals(1, render.named("onPopupShow", id).get(0).number);
        assertTrue(render.paints(id).get(0).popup);
        assertArrayEquals(new int[] {10, 20, 60, 30}, render.paints(id).get(0).rects);

        assertTrue(SimView.closePopupWidget((int) id));
        Engine.pumpUntil(() -> render.paints(id).size() == 2, "the repaint without the popup");
        assertEquals(List.of(1, 0), List.of(render.named("onPopupShow", id).get(0).number,
            render.named("onPopupShow", id).get(1).number));
        assertEquals("native: OnPopupShow: isShow: 1\nnative: OnPopupShow: isShow: 0\n",
            TableProbe.endStdoutCapture(), "the trace line of each, first");
        assertEquals(1, SimView.invalidations((int) id, false));
        RenderEvents.Paint repaint = render.paints(id).get(1);
        assertFalse(repaint.popup);
        assertArrayEquals(new int[] {0, 0, 120, 90}, repaint.rects);

        // The hidden popup keeps its place: a later popup paint still reports it.
        assertTrue(SimView.paint((int) id, true, new int[] {0, 0, 1, 1}, 1, 60, 30));
        Engine.pumpUntil(() -> render.paints(id).size() == 3, "a popup paint after hiding");
        assertArrayEquals(new int[] {10, 20, 60, 30}, render.paints(id).get(2).rects);
    }

    @Test
    @DisplayName("a cursor change reaches onCursorChange with the engine's cursor type")
    void cursorChange() {
        assertTrue(SimView.changeCursor((int) id, CT_IBEAM));
        Engine.pumpUntil(() -> !render.named("onCursorChange", id).isEmpty(), "the cursor change");
        assertEquals(CT_IBEAM, render.named("onCursorChange", id).get(0).number);
    }

    @Test
    @DisplayName("thousands of view, popup and refused popup paints and cursor changes in one loop iteration leave no local references")
    void thousandsOfPaintsInOnePump() {
        resizeAndWait(id, 40, 30);
        Engine.pumpUntil(() -> !render.paints(id).isEmpty(), "the repaint after resize");
        long other = CefLib.createBrowser();
        render.countOnly = true;
        render.clear();
        assertTrue(SimView.movePopupWidget((int) id, 1, 2, 10, 10));
        assertTrue(SimView.paint((int) id, false, new int[] {0, 0, 1, 1, 2, 2, 3, 3}, MANY, 0, 0));
        assertTrue(SimView.paint((int) id, true, new int[] {0, 0, 1, 1}, MANY, 10, 10));
        // No popup size: every one of these returns early.
        assertTrue(SimView.paint((int) other, true, new int[] {0, 0, 1, 1}, MANY, 10, 10));
        for (int i = 0; i < MANY; i++) {
            SimView.changeCursor((int) id, i % 40);
        }
        Engine.pumpUntil(() -> render.paintCount >= 2 * MANY, "the paints");
        Engine.pumpTimes(5);
        assertEquals(2 * MANY, render.paintCount);
        assertEquals(MANY, render.named("onCursorChange", id).size());
    }
}
