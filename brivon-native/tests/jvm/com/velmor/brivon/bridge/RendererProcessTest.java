package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.probe.TableProbe;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimScript;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Events;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestInstance;

/**
 * Pages in the built brivon-sub: the functions its router puts on every frame's window, a query
 * on its way to the bridge's router and back, and a renderer that dies under an open browser.
 * Runs the probe build, which can read the bridge's tables.
 */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
class RendererProcessTest {
    private static final String FRAMED = "http://framed.test/";
    private static final String OTHER = "http://other.test/";
    private static final int ALL_TABLES = TableProbe.BROWSERS | TableProbe.MANAGED | TableProbe.VIEW_RECTS;
    private final Events events = new Events();
    private long id;

    @BeforeAll
    void startEngine() {
        assertFalse(System.getProperty("brivon.sub.program", "").isEmpty(), "the build names brivon-sub");
        Engine.load(true);
        events.registerAll();
        Engine.start();
    }

    @AfterAll
    void stopEngine() {
        CefLib.shutdown();
        assertEquals(0, SimScript.liveRenderers(), "no renderer outlives the engine");
    }

    @BeforeEach
    void createBrowser() {
        SimWeb.reset();
        SimWeb.servePage(FRAMED, "Framed", FRAMED + "left", FRAMED + "right");
        SimWeb.servePage(OTHER, "Other");
        id = CefLib.createBrowser();
        assertTrue(id > 0);
        events.clear();
    }

    @AfterEach
    void closeOpenBrowsers() {
        for (int open : SimBrowsers.ids()) {
            Engine.close(open);
        }
    }

    private void load(String url) {
        int before = events.count("onLoadEnd", id);
        CefLib.loadUrl(id, url);
        Engine.pumpUntil(() -> events.count("onLoadEnd", id) > before && !events.loading(id), "loading " + url);
    }

    private long mainFrame() {
        return SimBrowsers.mainFrameId((int) id);
    }

    private List<String> messageNames() {
        List<String> names = new ArrayList<>();
        for (SimScript.ProcessMessage message : SimScript.receivedProcessMessages((int) id)) {
            names.add(message.name);
        }
        return names;
    }

    private static Map<String, Object> query(String request) {
        Map<String, Object> query = new LinkedHashMap<>();
        query.put("request", request);
        query.put("onSuccess", SimScript.FUNCTION);
        query.put("onFailure", SimScript.recorder("onFailure"));
        return query;
    }

    @Test
    @DisplayName("every frame, after every navigation, has javaQuery and javaQueryCancel and no cefQuery, in a process of its own")
    void functionsInEveryFrame() {
        int pid = SimScript.rendererPid((int) id);
        assertNotEquals(0, pid, "the browser has a renderer");
        assertNotEquals(ProcessHandle.current().pid(), (long) pid);
        assertTrue(ProcessHandle.of(pid).flatMap(p -> p.info().command())
            .map(command -> command.endsWith("brivon-sub")).orElse(true), "the renderer is brivon-sub");
        for (String url : new String[] {FRAMED, OTHER, FRAMED}) {
            load(url);
            long[] frames = SimBrowsers.frameIds((int) id);
            assertEquals(url.equals(FRAMED) ? 3 : 1, frames.length, url);
            for (long frame : frames) {
                String where = url + " frame " + frame;
                assertEquals(1, SimScript.windowHas((int) id, frame, "javaQuery"), where);
                assertEquals(1, SimScript.windowHas((int) id, frame, "javaQueryCancel"), where);
                assertEquals(0, SimScript.windowHas((int) id, frame, "cefQuery"), where);
                assertEquals(0, SimScript.windowHas((int) id, frame, "cefQueryCancel"), where);
            }
        }
        assertEquals(pid, SimScript.rendererPid((int) id), "one renderer for the browser's life");
    }

    @Test
    @DisplayName("javaQuery: a bad call throws and sends nothing; a valid one reaches the bridge's router, which answers it")
    void queryReachesTheBridgesRouter() {
        load(OTHER);
        SimScript.CallResult bad = SimScript.callWindowFunction((int) id, mainFrame(), "javaQuery", "x");
        assertTrue(bad.threw, bad.toString());
        assertEquals("Invalid arguments; expecting a single object", bad.exception);

        SimScript.CallResult first = SimScript.callWindowFunction((int) id, mainFrame(), "javaQuery", query("ping"));
        assertFalse(first.threw, first.toString());
        Engine.pumpUntil(() -> messageNames().contains("javaQueryMsg"), "the query message");
        List<SimScript.ProcessMessage> received = SimScript.receivedProcessMessages((int) id);
        assertEquals(List.of("javaQueryMsg"), messageNames(), "the bad call sent nothing");
        SimScript.ProcessMessage message = received.get(0);
        assertEquals(mainFrame(), message.frameId);
        assertEquals(4, message.arguments.size(), message.toString());
        assertEquals(first.value, message.arguments.get(1), "the id the page got");
        assertEquals(List.of("ping", false), message.arguments.subList(2, 4));

        // No Java handler is registered, so the bridge answers the query with a failure. Had
        // the message not reached it, the query would still be pending and cancelling it would
        // send a cancel message, which would arrive before the second query's message.
        Engine.pumpUntil(() -> !SimScript.functionCalls((int) id).isEmpty(), "the page's onFailure");
        assertEquals("onFailure", SimScript.functionCalls((int) id).get(0).name);
        SimScript.CallResult cancel = SimScript.callWindowFunction((int) id, mainFrame(), "javaQueryCancel", first.value);
        assertFalse(cancel.threw, cancel.toString());
        SimScript.CallResult second = SimScript.callWindowFunction((int) id, mainFrame(), "javaQuery", query("pong"));
        assertEquals((Integer) first.value + 1, second.value);
        Engine.pumpUntil(() -> messageNames().size() >= 2, "the second query message");
        assertEquals(List.of("javaQueryMsg", "javaQueryMsg"), messageNames());
    }

    @Test
    @DisplayName("a renderer killed mid-page: the browser still closes, its tables are emptied, and the next browser gets a new renderer")
    void killedRenderer() {
        load(FRAMED);
        int pid = SimScript.rendererPid((int) id);
        assertNotEquals(0, pid);
        assertTrue(SimScript.killRenderer((int) id));
        Engine.pumpUntil(() -> SimScript.rendererPid((int) id) == 0, "the engine noticing the renderer's end");
        assertFalse(ProcessHandle.of(pid).map(ProcessHandle::isAlive).orElse(false), "reaped");
        assertNull(SimScript.callWindowFunction((int) id, mainFrame(), "javaQuery", query("late")));

        assertEquals(ALL_TABLES, TableProbe.tables(id), "the browser is still the bridge's");
        CefLib.executeJavaScript(id, "afterCrash();");
        Engine.close(id);
        assertEquals(0, TableProbe.tables(id), "emptied as for any close");

        long next = CefLib.createBrowser();
        assertTrue(next > 0);
        id = next;
        load(OTHER);
        assertNotEquals(0, SimScript.rendererPid((int) next));
        assertNotEquals(pid, SimScript.rendererPid((int) next));
        assertEquals(1, SimScript.windowHas((int) next, mainFrame(), "javaQuery"));
    }
    @Test
    @DisplayName("after its renderer died, the browser's next navigation runs in a new brivon-sub: new contexts with"
        + " the router's functions in every frame, queries reaching the bridge, scripts running there")
    void deadRendererReplacedByTheNextNavigation() {
        load(OTHER);
        int pid = SimScript.rendererPid((int) id);
        assertTrue(SimScript.killRenderer((int) id));
        Engine.pumpUntil(() -> SimScript.rendererPid((int) id) == 0, "the engine noticing the renderer's end");

        load(FRAMED);
        int second = SimScript.rendererPid((int) id);
        assertNotEquals(0, second, "a new renderer");
        assertNotEquals(pid, second);
        assertEquals(1, SimScript.liveRenderers());
        long[] frames = SimBrowsers.frameIds((int) id);
        assertEquals(3, frames.length);
        for (long frame : frames) {
            assertEquals(1, SimScript.windowHas((int) id, frame, "javaQuery"), "frame " + frame);
            assertEquals(0, SimScript.windowHas((int) id, frame, "cefQuery"), "frame " + frame);
        }
        SimScript.CallResult again = SimScript.callWindowFunction((int) id, mainFrame(), "javaQuery", query("again"));
        assertFalse(again.threw, again.toString());
        Engine.pumpUntil(() -> messageNames().contains("javaQueryMsg"), "the query message from the new renderer");

        int before = SimBrowsers.scripts((int) id).size();
        CefLib.executeJavaScript(id, "again();");
        List<SimBrowsers.Script> ran = SimBrowsers.scripts((int) id);
        assertEquals(before + 1, ran.size());
        assertEquals("again();", ran.get(before).code);
        assertEquals(mainFrame(), ran.get(before).frameId);
    }
}
