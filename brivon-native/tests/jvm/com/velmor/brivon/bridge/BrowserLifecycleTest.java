package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.probe.TableProbe;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Events;
import java.util.List;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.MethodOrderer;
import org.junit.jupiter.api.Order;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestInstance;
import org.junit.jupiter.api.TestMethodOrder;

/**
 * Creating and closing browsers: what the engine is asked for, what the bridge's tables hold
 * from creation to close, and the engine's life around them (before init, a second init, after
 * shutdown). Runs the probe build, which can read the tables.
 */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
@TestMethodOrder(MethodOrderer.OrderAnnotation.class)
class BrowserLifecycleTest {
    private static final int ALL_TABLES = TableProbe.BROWSERS | TableProbe.MANAGED | TableProbe.VIEW_RECTS;
    private final Events events = new Events();

    @BeforeAll
    void load() {
        Engine.load(true);
        events.registerAll();
    }

    @Test
    @Order(1)
    @DisplayName("before init, both creation methods return -1 and the engine makes no browser")
    void beforeInit() {
        long window = SimBrowsers.makeNativeWindow();
        assertEquals(-1, CefLib.createBrowser());
        assertEquals(-1, CefLib.createBrowserAsChild(window, 0, 0, 10, 10));
        assertEquals(0, SimBrowsers.ids().length);
        Engine.start();
    }

    @Test
    @Order(2)
    @DisplayName("two createBrowser calls: two ids, each in both tables with a 400 x 400 view, created windowless")
    void twoOffScreenBrowsers() {
        long first = CefLib.createBrowser();
        long second = CefLib.createBrowser();
        assertTrue(first > 0 && second > 0, first + ", " + second);
        assertNotEquals(first, second);
        assertEquals(List.of(first, second), List.of(events.named("onAfterCreated").get(0).browser,
            events.named("onAfterCreated").get(1).browser), "the engine reported each as created");
        for (long id : new long[] {first, second}) {
            assertEquals(ALL_TABLES, TableProbe.tables(id), "tables of " + id);
            assertFalse(CefLib.isNoManaged(id));
            assertArrayEquals(new int[] {0, 0, 400, 400}, SimBrowsers.askViewRect((int) id), "what the engine is told");
            SimBrowsers.WindowInfo window = SimBrowsers.windowInfo((int) id);
            assertTrue(window.windowless);
            assertEquals(0, window.style);
            assertEquals(List.of(0, 0, 0, 0), List.of(window.x, window.y, window.width, window.height));
            assertEquals(0, window.parentWindow);
            SimBrowsers.BrowserSettings settings = SimBrowsers.browserSettings((int) id);
            assertEquals(30, settings.windowlessFrameRate);
            assertEquals(0x01FFFFFFL, settings.backgroundColor);
            assertEquals(0, CefLib.getWindowHandle(id), "an off-screen browser has no window");
        }
        Engine.close(first);
        Engine.close(second);
    }

    @Test
    @Order(3)
    @DisplayName("a parent that is no window: the line on standard output, -1, no browser")
    void childOfNoWindow() {
        int browsersBefore = SimBrowsers.ids().length;
        for (long notAWindow : new long[] {0, 12345, -1}) {
            assertTrue(TableProbe.beginStdoutCapture());
            long id;
            try {
                id = CefLib.createBrowserAsChild(notAWindow, 0, 0, 100, 100);
            } finally {
                String written = TableProbe.endStdoutCapture();
                assertEquals("This pointer is not a window's handle.\n", written, "for " + notAWindow);
            }
            assertEquals(-1, id);
        }
        assertEquals(browsersBefore, SimBrowsers.ids().length);
    }

    @Test
    @Order(4)
    @DisplayName("a child browser at 10, 20, 110, 220: its own window at 10, 20 of 100 x 200 in the parent")
    void childBrowser() {
        long parent = SimBrowsers.makeNativeWindow();
        long id = CefLib.createBrowserAsChild(parent, 10, 20, 110, 220);
        assertTrue(id > 0);
        assertEquals(ALL_TABLES, TableProbe.tables(id));
        assertFalse(CefLib.isNoManaged(id));
        assertArrayEquals(new int[] {10, 20, 100, 200}, TableProbe.viewRect(id));
        assertArrayEquals(new int[] {10, 20, 100, 200}, SimBrowsers.askViewRect((int) id));

        SimBrowsers.WindowInfo window = SimBrowsers.windowInfo((int) id);
        assertFalse(window.windowless);
        assertEquals(0x56010000L, window.style);
        assertEquals(List.of(10, 20, 100, 200), List.of(window.x, window.y, window.width, window.height));
        assertEquals(parent, window.parentWindow);
        assertEquals(0x01FFFFFFL, SimBrowsers.browserSettings((int) id).backgroundColor);
        assertEquals(0, SimBrowsers.browserSettings((int) id).windowlessFrameRate, "the engine's default");

        long own = SimBrowsers.childWindow((int) id);
        assertNotEquals(0, own);
        assertEquals(own, CefLib.getWindowHandle(id));
        assertEquals(parent, SimBrowsers.nativeWindowParent(own));
        assertArrayEquals(new int[] {10, 20, 100, 200}, SimBrowsers.nativeWindowRect(own));
        Engine.close(id);
    }

    @Test
    @Order(5)
    @DisplayName("after the engine closes a browser, its id is in no table and every method does nothing")
    void afterClose() {
        SimWeb.servePage("http://closing.test/", "Closing");
        long id = CefLib.createBrowser();
        CefLib.loadUrl(id, "http://closing.test/");
        Engine.pumpUntil(() -> events.loadingStopped(id, 1), "the page");
        CefLib.addCss(id, "1;");
        CefLib.setZoomLevel(id, 2.0);
        CefLib.closeBrowser(id, false);
        assertEquals(ALL_TABLES | TableProbe.LOAD_END_SCRIPTS, TableProbe.tables(id), "kept until the engine closes it");
        Engine.pumpUntil(() -> SimBrowsers.closed((int) id), "the close");
        assertEquals(0, TableProbe.tables(id));

        int scripts = SimBrowsers.scripts((int) id).size();
        events.clear();
        CefLib.closeBrowser(id, true);
        assertDoesNothing(id);
        Engine.pumpTimes(20);
        assertEquals(1, SimBrowsers.closeRequests((int) id));
        assertEquals(2.0, SimBrowsers.zoomLevel((int) id));
        assertEquals(0, SimBrowsers.showDevToolsCalls((int) id));
        assertEquals(scripts, SimBrowsers.scripts((int) id).size());
        assertTrue(events.calls.isEmpty(), events.calls.toString());
        assertEquals(0, TableProbe.tables(id), "asking its view rectangle afterwards makes no entry");
    }

    @Test
    @Order(6)
    @DisplayName("ids that name no browser, 64-bit look-alikes of a live one included: not-found values")
    void unknownIds() {
        long live = CefLib.createBrowser();
        events.clear();
        for (long id : new long[] {0, -1, 999_999, live + (1L << 32), live - (1L << 32), Long.MIN_VALUE}) {
            CefLib.closeBrowser(id, true);
            assertDoesNothing(id);
            assertEquals(0, TableProbe.tables(id) & ~TableProbe.LOAD_END_SCRIPTS, "for " + id);
        }
        Engine.pumpTimes(20);
        assertEquals(0, SimBrowsers.closeRequests((int) live));
        assertEquals(0.0, SimBrowsers.zoomLevel((int) live));
        assertEquals(0, SimBrowsers.showDevToolsCalls((int) live));
        assertTrue(SimBrowsers.scripts((int) live).isEmpty());
        assertTrue(events.calls.isEmpty(), events.calls.toString());
        Engine.close(live);
    }

    @Test
    @Order(6)
    @DisplayName("addCss stores for any id without looking it up; empty and null texts keep the entry, empty")
    void loadEndScriptEntries() {
        long unknown = 777_777;
        CefLib.addCss(unknown, "first();");
        assertEquals("first();", TableProbe.loadEndScript(unknown));
        CefLib.addCss(unknown, "second();");
        assertEquals("second();", TableProbe.loadEndScript(unknown));
        CefLib.addCss(unknown, "");
        assertEquals("", TableProbe.loadEndScript(unknown));
        CefLib.addCss(unknown, "again();");
        CefLib.addCss(unknown, null);
        assertEquals("", TableProbe.loadEndScript(unknown));
        assertEquals(TableProbe.LOAD_END_SCRIPTS, TableProbe.tables(unknown), "and nothing else");
    }

    @Test
    @Order(7)
    @DisplayName("a browser whose engine answers no main frame: the frame operations give not-found values")
    void noMainFrame() {
        long id = CefLib.createBrowser();
        assertTrue(TableProbe.keep(id));
        Engine.close(id);
        TableProbe.restoreKept();
        try {
            assertEquals(TableProbe.BROWSERS, TableProbe.tables(id));
            assertEquals(-1, CefLib.getMainFrame(id));
            assertNull(CefLib.getMainFrameUrl(id));
            CefLib.loadUrl(id, "http://nowhere.test/");
            CefLib.loadString(id, "<p>x</p>", "http://nowhere.test/");
            CefLib.executeJavaScript(id, "1;");
            Engine.pumpTimes(20);
            assertTrue(SimBrowsers.scripts((int) id).isEmpty());
        } finally {
            TableProbe.dropKept();
        }
    }

    @Test
    @Order(8)
    @DisplayName("after a second init, new browsers are created and load pages as before")
    void secondInitKeepsBrowsersWorking() {
        CefSettings again = Engine.settings();
        again.cachePath = "/tmp/second init";
        CefLib.init(again);
        SimWeb.servePage("http://after-second-init.test/", "Still here");
        long id = CefLib.createBrowser();
        assertTrue(id > 0);
        CefLib.loadUrl(id, "http://after-second-init.test/");
        Engine.pumpUntil(() -> events.loadingStopped(id, 1), "the page");
        assertEquals("Still here", events.named("onTitleChange", id).get(0).text);
        Engine.close(id);
    }

    @Test
    @Order(9)
    @DisplayName("after shutdown, both creation methods return -1 and the tables are empty")
    void afterShutdown() {
        long open = CefLib.createBrowser();
        CefLib.addCss(open, "1;");
        Engine.close(open);
        CefLib.addCss(open, "2;");
        long window = SimBrowsers.makeNativeWindow();
        CefLib.shutdown();
        assertEquals(0, SimBrowsers.openAtShutdown());
        assertEquals(0, TableProbe.tables(open), "shutdown empties the script table too");
        assertEquals(-1, CefLib.createBrowser());
        assertEquals(-1, CefLib.createBrowserAsChild(window, 0, 0, 10, 10));
    }

    // Every operation with an id that names no browser: its not-found value, no engine call.
    private static void assertDoesNothing(long id) {
        assertFalse(CefLib.isNoManaged(id));
        assertFalse(CefLib.hasDocument(id));
        assertFalse(CefLib.isPopup(id));
        assertEquals(0, CefLib.getWindowHandle(id));
        assertEquals(0, CefLib.getOpenerWindowHandle(id));
        CefLib.showDevTools(id);
        CefLib.setZoomLevel(id, 3.0);
        assertEquals(0.0, CefLib.getZoomLevel(id));
        CefLib.loadUrl(id, "http://unknown.test/");
        CefLib.loadString(id, "<p>x</p>", "http://unknown.test/");
        assertEquals(-1, CefLib.getMainFrame(id));
        assertNull(CefLib.getMainFrameUrl(id));
        CefLib.reload(id);
        CefLib.reloadIgnoreCache(id);
        CefLib.goForward(id);
        CefLib.goBack(id);
        CefLib.stopLoad(id);
        CefLib.executeJavaScript(id, "1;");
    }
}
