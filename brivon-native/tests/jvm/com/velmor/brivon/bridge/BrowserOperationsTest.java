package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Events;
import java.util.ArrayList;
import java.util.List;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;

/** The operations on a live browser: navigation, history, loading state, zoom and DevTools. */
class BrowserOperationsTest extends BrowserSession {
    private long id;

    @BeforeEach
    void createBrowser() {
        SimWeb.reset();
        id = CefLib.createBrowser();
        assertTrue(id > 0);
        events.clear();
    }

    private void loadAndWait(String url) {
        int before = events.named("onLoadingStateChange", id).size();
        CefLib.loadUrl(id, url);
        Engine.pumpUntil(() -> {
            List<Events.Call> states = events.named("onLoadingStateChange", id);
            return states.size() > before && !states.get(states.size() - 1).flag;
        }, "loading " + url);
    }

    @Test
    @DisplayName("loadString shows the text as the document of its address; getMainFrameUrl gives the address")
    void loadString() {
        assertFalse(CefLib.hasDocument(id), "no document before the first page");
        assertEquals("", CefLib.getMainFrameUrl(id), "no address before the first commit");
        CefLib.loadString(id, "<html><body>hello</body></html>", "http://strings.test/page");
        Engine.pumpUntil(() -> events.loadingStopped(id, 1), "the text's load");
        assertEquals("http://strings.test/page", CefLib.getMainFrameUrl(id));
        assertTrue(CefLib.hasDocument(id));
        assertEquals(SimBrowsers.mainFrameId((int) id), CefLib.getMainFrame(id));
        assertFalse(CefLib.isPopup(id));
        assertFalse(CefLib.isNoManaged(id));
        assertEquals(0, CefLib.getOpenerWindowHandle(id));
    }

    @Test
    @DisplayName("zoom levels reach the engine unchanged and come back unchanged")
    void zoomRoundTrip() {
        for (double level : new double[] {1.5, -2.25, 0.0, 7.125}) {
            CefLib.setZoomLevel(id, level);
            assertEquals(level, SimBrowsers.zoomLevel((int) id));
            assertEquals(level, CefLib.getZoomLevel(id));
        }
    }

    @Test
    @DisplayName("goBack and goForward follow the history; without history they change nothing")
    void history() {
        CefLib.goBack(id);
        CefLib.goForward(id);
        Engine.pumpTimes(20);
        assertTrue(events.calls.isEmpty(), "no history yet: " + events.calls);

        loadAndWait("http://history.test/a");
        loadAndWait("http://history.test/b");
        assertEquals(1, lastHistoryFlags(), "can go back, not forward");

        CefLib.goBack(id);
        Engine.pumpUntil(() -> events.loadingStopped(id, 3), "going back");
        assertEquals("http://history.test/a", CefLib.getMainFrameUrl(id));
        assertEquals(2, lastHistoryFlags(), "can go forward, not back");

        CefLib.goForward(id);
        Engine.pumpUntil(() -> events.loadingStopped(id, 4), "going forward");
        assertEquals("http://history.test/b", CefLib.getMainFrameUrl(id));
        assertEquals(1, lastHistoryFlags());
    }

    private int lastHistoryFlags() {
        List<Events.Call> states = events.named("onLoadingStateChange", id);
        return states.get(states.size() - 1).number;
    }

    @Test
    @DisplayName("reload and reloadIgnoreCache while loading do nothing, and no reload follows the load")
    void reloadWhileLoading() {
        SimWeb.servePage("http://slow.test/", "Slow");
        SimWeb.holdLoads(true);
        CefLib.loadUrl(id, "http://slow.test/");
        Engine.pumpUntil(() -> events.count("onLoadStart", id) == 1, "the held load's start");
        assertTrue(events.loading(id));
        CefLib.reload(id);
        CefLib.reloadIgnoreCache(id);
        SimWeb.holdLoads(false);
        SimWeb.releaseLoads();
        Engine.pumpUntil(() -> events.loadingStopped(id, 1), "the load's end");
        Engine.pumpTimes(30);
        assertEquals(1, events.count("onLoadStart", id), events.calls.toString());
        assertEquals(1, events.count("onBeforeBrowse", id));

        CefLib.reload(id);
        Engine.pumpUntil(() -> events.loadingStopped(id, 2), "the reload once loading has ended");
        CefLib.reloadIgnoreCache(id);
        Engine.pumpUntil(() -> events.loadingStopped(id, 3), "the reload ignoring the cache");
        assertEquals(3, events.count("onLoadStart", id));
    }

    @Test
    @DisplayName("stopLoad ends a load in progress with -3")
    void stopLoad() {
        SimWeb.holdLoads(true);
        CefLib.loadUrl(id, "http://stopped.test/");
        Engine.pumpUntil(() -> events.count("onLoadStart", id) == 1, "the held load's start");
        CefLib.stopLoad(id);
        Engine.pumpUntil(() -> events.loadingStopped(id, 1), "the stopped load's end");
        List<Events.Call> errors = events.named("onLoadError", id);
        assertEquals(1, errors.size());
        assertEquals(-3, errors.get(0).number);
        assertEquals(CefLib.getMainFrame(id), errors.get(0).frame);
        assertEquals(0, events.count("onLoadEnd", id));
    }

    @Test
    @DisplayName("showDevTools twice opens one DevTools browser, an unmanaged popup window of its own")
    void devTools() {
        CefLib.showDevTools(id);
        CefLib.showDevTools(id);
        Engine.pumpTimes(10);
        CefLib.showDevTools(id);
        int devTools = SimBrowsers.devToolsOf((int) id);
        assertNotEquals(0, devTools);
        assertEquals(1, SimBrowsers.showDevToolsCalls((int) id), "the bridge asks only while none is open");
        List<Long> created = new ArrayList<>();
        for (Events.Call call : events.named("onAfterCreated")) {
            created.add(call.browser);
        }
        assertEquals(List.of((long) devTools), created);
        assertTrue(CefLib.isNoManaged(devTools));
        assertFalse(CefLib.isNoManaged(id));
        assertTrue(CefLib.isPopup(devTools));

        SimBrowsers.WindowInfo window = SimBrowsers.windowInfo(devTools);
        assertFalse(window.windowless);
        assertEquals(0x16CF0000L, window.style);
        int useDefault = 0x80000000;
        assertEquals(List.of(useDefault, useDefault, useDefault, useDefault),
            List.of(window.x, window.y, window.width, window.height));
        assertEquals(0, window.parentWindow, "an off-screen browser has no window to own it");
    }

    @Test
    @DisplayName("a child browser's DevTools window is owned by the browser's own window")
    void devToolsOfChildBrowser() {
        long parent = SimBrowsers.makeNativeWindow();
        long child = CefLib.createBrowserAsChild(parent, 0, 0, 300, 200);
        CefLib.showDevTools(child);
        int devTools = SimBrowsers.devToolsOf((int) child);
        assertNotEquals(0, devTools);
        assertEquals(SimBrowsers.childWindow((int) child), SimBrowsers.windowInfo(devTools).parentWindow);
    }
}
