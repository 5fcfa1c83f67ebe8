package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimPage;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Events;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;

/**
 * What Java hears while pages load and act, and the scripts the bridge runs in their frames:
 * load and display callbacks, navigation decisions, executeJavaScript and the load-end script.
 */
class PageEventsTest extends BrowserSession {
    private static final String FRAMED = "http://framed.test/";
    private static final String LEFT = "http://framed.test/left";
    private static final String RIGHT = "http://framed.test/right";
    private long id;

    @BeforeEach
    void createBrowser() {
        SimWeb.reset();
        SimWeb.servePage(FRAMED, "Framed page", LEFT, RIGHT);
        id = CefLib.createBrowser();
        events.clear();
        events.cancelNavigation = url -> false;
        events.loadEndHook = (browser, frame) -> { };
    }

    private void load(String url, int loadsSoFar) {
        CefLib.loadUrl(id, url);
        Engine.pumpUntil(() -> events.loadingStopped(id, loadsSoFar + 1), "loading " + url);
    }

    private List<Long> frames(String callback) {
        List<Long> out = new ArrayList<>();
        for (Events.Call call : events.named(callback, id)) {
            out.add(call.frame);
        }
        return out;
    }

    private List<String> scriptsIn(long frame) {
        List<String> out = new ArrayList<>();
        for (SimBrowsers.Script script : SimBrowsers.scripts((int) id)) {
            if (script.frameId == frame) {
                out.add(script.code);
            }
        }
        return out;
    }

    @Test
    @DisplayName("a page with two iframes: three load starts and three load ends, for three different frames")
    void threeFrames() {
        load(FRAMED, 0);
        List<Long> starts = frames("onLoadStart");
        List<Long> ends = frames("onLoadEnd");
        assertEquals(3, starts.size(), events.calls.toString());
        assertEquals(3, new HashSet<>(starts).size());
        assertEquals(new HashSet<>(starts), new HashSet<>(ends));
        List<Long> engineFrames = new ArrayList<>();
        for (long frame : SimBrowsers.frameIds((int) id)) {
            engineFrames.add(frame);
        }
        assertEquals(new HashSet<>(engineFrames), new HashSet<>(starts), "the engine's own frame ids");
        assertEquals(SimBrowsers.mainFrameId((int) id), (long) starts.get(0));
        assertEquals(SimBrowsers.mainFrameId((int) id), (long) ends.get(2), "the main frame ends last");
        assertEquals(List.of("Framed page"), texts("onTitleChange"));
        assertEquals(List.of(FRAMED), texts("onAddressChange"));
        assertEquals(SimBrowsers.mainFrameId((int) id), events.named("onAddressChange", id).get(0).frame);
        List<String> browsed = texts("onBeforeBrowse");
        assertEquals(List.of(FRAMED, LEFT, RIGHT), browsed);
        assertEquals(frames("onLoadStart"), frames("onBeforeBrowse"), "each navigation with its frame's id");
    }

    private List<String> texts(String callback) {
        List<String> out = new ArrayList<>();
        for (Events.Call call : events.named(callback, id)) {
            out.add(call.text);
        }
        return out;
    }

    @Test
    @DisplayName("the stored script runs in each frame, with its address and line 0, before Java hears of its load end,"
        + " and again after every navigation")
    void loadEndScriptInEveryFrame() {
        String script = "document.head.appendChild(document.createElement('style'));";
        CefLib.addCss(id, script);
        List<String> missing = new ArrayList<>();
        events.loadEndHook = (browser, frame) -> {
            List<String> ran = scriptsIn(frame);
            if (ran.isEmpty() || !ran.get(ran.size() - 1).equals(script)) {
                missing.add("frame " + frame);
            }
        };
        load(FRAMED, 0);
        List<Long> firstFrames = frames("onLoadEnd");
        load(FRAMED, 1);
        List<Long> allFrames = frames("onLoadEnd");
        assertTrue(missing.isEmpty(), "load ends without the script before them: " + missing);
        assertEquals(6, allFrames.size());
        List<Long> secondFrames = allFrames.subList(3, 6);
        assertNotEquals(firstFrames.get(0), secondFrames.get(0), "the subframes are new ones");

        Map<Long, String> frameUrls = new HashMap<>();
        for (Events.Call browse : events.named("onBeforeBrowse", id)) {
            frameUrls.put(browse.frame, browse.text);
        }
        List<Long> scriptFrames = new ArrayList<>();
        for (SimBrowsers.Script ran : SimBrowsers.scripts((int) id)) {
            assertEquals(script, ran.code);
            assertEquals(0, ran.line);
            assertEquals(frameUrls.get(ran.frameId), ran.url, "the script's address is its frame's");
            scriptFrames.add(ran.frameId);
        }
        assertEquals(allFrames, scriptFrames, "once per frame, in the order of the load ends");
    }

    @Test
    @DisplayName("a second addCss replaces the first; an empty one stops it; the load ends still reach Java")
    void replacingAndEmptyScripts() {
        CefLib.addCss(id, "first();");
        CefLib.addCss(id, "second();");
        load(FRAMED, 0);
        assertEquals(List.of("second();", "second();", "second();"), codes());
        CefLib.addCss(id, "");
        load(FRAMED, 1);
        CefLib.addCss(id, null);
        CefLib.reload(id);
        Engine.pumpUntil(() -> events.loadingStopped(id, 3), "the reload");
        assertEquals(3, codes().size(), "nothing ran after the empty script: " + codes());
        assertEquals(9, events.count("onLoadEnd", id));
    }

    private List<String> codes() {
        List<String> out = new ArrayList<>();
        for (SimBrowsers.Script script : SimBrowsers.scripts((int) id)) {
            out.add(script.code);
        }
        return out;
    }

    @Test
    @DisplayName("addCss for an id that names no browser yet is stored and runs once a browser has that id")
    void scriptForAFutureId() {
        int[] ids = SimBrowsers.ids();
        long next = ids[ids.length - 1] + 1;
        CefLib.addCss(next, "early();");
        long later = CefLib.createBrowser();
        assertEquals(next, later, "the engine numbers browsers one after another");
        CefLib.loadUrl(later, "http://plain.test/");
        Engine.pumpUntil(() -> events.loadingStopped(later, 1), "the later browser's page");
        List<SimBrowsers.Script> ran = SimBrowsers.scripts((int) later);
        assertEquals(1, ran.size());
        assertEquals("early();", ran.get(0).code);
    }

    @Test
    @DisplayName("executeJavaScript runs once, at once, in the main frame only, with its address and line 0")
    void executeJavaScript() {
        load(FRAMED, 0);
        CefLib.executeJavaScript(id, "document.write('main only');");
        CefLib.executeJavaScript(id, "");
        List<SimBrowsers.Script> ran = SimBrowsers.scripts((int) id);
        assertEquals(2, ran.size());
        for (SimBrowsers.Script script : ran) {
            assertEquals(SimBrowsers.mainFrameId((int) id), script.frameId);
            assertEquals(FRAMED, script.url);
            assertEquals(0, script.line);
        }
        assertEquals("document.write('main only');", ran.get(0).code);
        assertEquals("", ran.get(1).code, "an empty script is handed on too");
    }

    @Test
    @DisplayName("an unresolvable host: onLoadError with -105 between the loading states, no load start or end")
    void unreachableHost() {
        SimWeb.unreachableHost("nowhere.example");
        load("http://nowhere.example/", 0);
        assertEquals(List.of("onBeforeBrowse", "onLoadingStateChange", "onLoadError", "onLoadingStateChange"), names());
        Events.Call error = events.named("onLoadError", id).get(0);
        assertEquals(-105, error.number);
        assertEquals(SimBrowsers.mainFrameId((int) id), error.frame);
    }

    private List<String> names() {
        List<String> out = new ArrayList<>();
        for (Events.Call call : events.calls) {
            out.add(call.name);
        }
        return out;
    }

    @Test
    @DisplayName("a console message reaches Java with level, message, source and line, and not the engine's log")
    void consoleMessage() {
        load(FRAMED, 0);
        assertTrue(SimPage.consoleLog((int) id, 2, "hello console", "http://framed.test/app.js", 42));
        Engine.pumpUntil(() -> events.count("onConsoleMessage", id) == 1, "the console message");
        Events.Call message = events.named("onConsoleMessage", id).get(0);
        assertEquals(2, message.frame, "level");
        assertEquals("hello console", message.text);
        assertEquals("http://framed.test/app.js", message.text2);
        assertEquals(42, message.number);
        assertTrue(SimBrowsers.engineLoggedConsoleMessages().isEmpty());
    }

    @Test
    @DisplayName("without a display handler the engine logs the console message itself")
    void consoleMessageWithoutDisplayHandler() {
        load(FRAMED, 0);
        CefLib.setDisplayHandler(null);
        try {
            assertTrue(SimPage.consoleLog((int) id, 3, "nobody listens", "http://framed.test/app.js", 7));
            Engine.pumpUntil(() -> SimBrowsers.engineLoggedConsoleMessages().contains("nobody listens"),
                "the engine's own log");
        } finally {
            CefLib.setDisplayHandler(events);
        }
    }

    @Test
    @DisplayName("title changes and full-screen requests of the page reach Java")
    void titleAndFullScreen() {
        load(FRAMED, 0);
        SimPage.setTitle((int) id, "Renamed");
        SimPage.fullscreen((int) id, true);
        SimPage.fullscreen((int) id, false);
        Engine.pumpUntil(() -> events.count("onFullScreenModeChange", id) == 2, "both full-screen changes");
        assertEquals(List.of("Framed page", "Renamed"), texts("onTitleChange"));
        List<Boolean> modes = new ArrayList<>();
        for (Events.Call call : events.named("onFullScreenModeChange", id)) {
            modes.add(call.flag);
        }
        assertEquals(List.of(true, false), modes);
    }

    @Test
    @DisplayName("onBeforeBrowse answering true keeps the current page")
    void cancelledNavigation() {
        load(FRAMED, 0);
        events.clear();
        events.cancelNavigation = url -> url.startsWith("http://blocked.test/");
        CefLib.loadUrl(id, "http://blocked.test/");
        Engine.pumpUntil(() -> events.count("onBeforeBrowse", id) == 1, "the navigation's question");
        Engine.pumpTimes(20);
        assertEquals(List.of("onBeforeBrowse"), names());
        assertEquals(FRAMED, CefLib.getMainFrameUrl(id));
        assertEquals(CefLib.getMainFrame(id), events.named("onBeforeBrowse", id).get(0).frame);
    }

    @Test
    @DisplayName("subframe navigations come with their subframe's id; a cancelled one leaves the subframe where it was")
    void subframeNavigations() {
        load(FRAMED, 0);
        long[] frames = SimBrowsers.frameIds((int) id);
        long right = frames[2];
        events.clear();
        assertTrue(SimPage.navigateSubframe((int) id, 1, "http://framed.test/right-next"));
        Engine.pumpUntil(() -> events.count("onLoadEnd", id) == 1, "the subframe's load");
        assertEquals(List.of("onBeforeBrowse", "onLoadStart", "onLoadEnd"), names());
        for (Events.Call call : events.calls) {
            assertEquals(right, call.frame, call.toString());
        }
        assertEquals("http://framed.test/right-next", events.calls.get(0).text);

        events.clear();
        events.cancelNavigation = url -> url.endsWith("/left-blocked");
        assertTrue(SimPage.navigateSubframe((int) id, 0, "http://framed.test/left-blocked"));
        Engine.pumpUntil(() -> events.count("onBeforeBrowse", id) == 1, "the subframe's question");
        Engine.pumpTimes(20);
        assertEquals(List.of("onBeforeBrowse"), names());
        assertEquals(frames[1], events.calls.get(0).frame);
        assertEquals(LEFT, SimBrowsers.frameUrl(frames[1]));
        assertFalse(events.loading(id));
    }
}
