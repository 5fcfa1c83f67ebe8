package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.MessageRouterHandler;
import com.velmor.brivon.probe.TableProbe;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimScript;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import java.util.ArrayList;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.TimeUnit;
import java.util.function.Consumer;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;

/**
 * Page queries through the built brivon-sub and the bridge's router to Java and back: what the
 * page's onSuccess / onFailure receive, what Java's onQuery receives, every cancellation, and
 * the pending-query table (probe build) afterwards.
 */
class QueryTest extends BrowserSession {
    private static final String PAGE = "http://query.test/";
    private static final String OTHER = "http://other.test/";
    private static final String FRAMED = "http://framed.test/";
    private final Handler handler = new Handler();
    private long id;

    /** One call Java's handler received. */
    static final class Received {
        final String name;
        final long browser;
        final long frame;
        final long query;
        final String request;

        Received(String name, long browser, long frame, long query, String request) {
            this.name = name;
            this.browser = browser;
            this.frame = frame;
            this.query = query;
            this.request = request;
        }

        @Override
        public String toString() {
            return name + "(" + browser + ", " + frame + ", " + query + ", " + request + ")";
        }
    }

    static final class Handler implements MessageRouterHandler {
        final List<Received> calls = new ArrayList<>();
        /** Runs inside onQuery with the query id; by default the query is left pending. */
        Consumer<Long> answer = query -> { };

        @Override
        public void onQuery(long browserId, long frameId, long queryId, String request) {
            calls.add(new Received("onQuery", browserId, frameId, queryId, request));
            answer.accept(queryId);
        }

        @Override
        public void onQueryCanceled(long browserId, long frameId, long queryId) {
            calls.add(new Received("onQueryCanceled", browserId, frameId, queryId, null));
        }

        List<Received> named(String name) {
            List<Received> out = new ArrayList<>();
            for (Received call : calls) {
                if (call.name.equals(name)) {
                    out.add(call);
                }
            }
            return out;
        }

        long lastQuery() {
            List<Received> queries = named("onQuery");
            return queries.get(queries.size() - 1).query;
        }
    }

    /** The bridge under test (a probe build, which can read the pending-query table). */
    @Override
    protected String library() {
        return System.getProperty("brivon.probe.library");
    }

    /** What onQuery receives of a request the page sent: in this build, all of it. */
    String requestSeen(String sent) {
        return sent;
    }

    @AfterAll
    @Override
    protected void stopEngine() {
        super.stopEngine();
        assertEquals(0, TableProbe.pendingQueries(), "shutdown empties the table");
    }

    @BeforeEach
    void createBrowser() {
        SimWeb.reset();
        SimWeb.servePage(PAGE, "Query");
        SimWeb.servePage(OTHER, "Other");
        SimWeb.servePage(FRAMED, "Framed", FRAMED + "left", FRAMED + "right");
        CefLib.setMessageRouterHandler(handler);
        id = open();
        handler.calls.clear();
        handler.answer = query -> { };
    }

    @AfterEach
    @Override
    protected void closeOpenBrowsers() {
        super.closeOpenBrowsers();
        assertEquals(0, TableProbe.pendingQueries(), "closing cancels, and cancelled queries leave the table");
    }

    private long open() {
        long browser = CefLib.createBrowser();
        assertTrue(browser > 0);
        load(browser, PAGE);
        return browser;
    }

    private void load(long browser, String url) {
        int before = events.count("onLoadEnd", browser);
        CefLib.loadUrl(browser, url);
        Engine.pumpUntil(() -> events.count("onLoadEnd", browser) > before && !events.loading(browser), "loading " + url);
    }

    private static long mainFrame(long browser) {
        return SimBrowsers.mainFrameId((int) browser);
    }

    /** The page calls javaQuery with recorders named "ok:tag" and "fail:tag"; returns the page's number. */
    private int ask(long browser, String request, String tag, boolean persistent) {
        return askIn(browser, mainFrame(browser), request, tag, persistent);
    }

    private int askIn(long browser, long frame, String request, String tag, boolean persistent) {
        Map<String, Object> query = new LinkedHashMap<>();
        query.put("request", request);
        query.put("onSuccess", SimScript.recorder("ok:" + tag));
        query.put("onFailure", SimScript.recorder("fail:" + tag));
        if (persistent) {
            query.put("persistent", true);
        }
        SimScript.CallResult result = SimScript.callWindowFunction((int) browser, frame, "javaQuery", query);
        assertFalse(result.threw, result.toString());
        return (Integer) result.value;
    }

    private int askAndAwait(long browser, String request, String tag) {
        int before = handler.named("onQuery").size();
        int number = ask(browser, request, tag, false);
        Engine.pumpUntil(() -> handler.named("onQuery").size() > before, "onQuery for " + tag);
        return number;
    }

    /** The page's callback calls for this tag, as "ok:tag[args]" strings. */
    private static List<String> pageCalls(long browser, String tag) {
        List<String> out = new ArrayList<>();
        for (SimScript.FunctionCall call : SimScript.functionCalls((int) browser)) {
            if (call.name.endsWith(":" + tag)) {
                out.add(call.toString());
            }
        }
        return out;
    }

    private static void awaitPageCalls(long browser, String tag, int count) {
        Engine.pumpUntil(() -> pageCalls(browser, tag).size() >= count, count + " page callbacks for " + tag);
    }

    /** Gives a late answer or a second callback every chance to arrive: one round trip to the renderer and back. */
    private void settle(long browser) {
        String tag = "settle" + System.nanoTime();
        handler.answer = query -> CefLib.javaQuerySuccess(query, "");
        ask(browser, "settle", tag, false);
        awaitPageCalls(browser, tag, 1);
        handler.answer = query -> { };
    }

    @Test
    @DisplayName("answered inside onQuery: the page gets the answer once; a second answer to the same id does nothing")
    void answersReachThePage() {
        Object[][] cases = {
            // answer, expected page call
            {(Consumer<Long>) q -> CefLib.javaQuerySuccess(q, "pong"), "ok:%s[pong]"},
            {(Consumer<Long>) q -> CefLib.javaQueryFailure(q, 42, "x"), "fail:%s[42, x]"},
            {(Consumer<Long>) q -> CefLib.javaQuerySuccess(q, null), "ok:%s[]"},
            {(Consumer<Long>) q -> CefLib.javaQuerySuccess(q, "ab\0cd"), "ok:%s[ab]"},
            {(Consumer<Long>) q -> CefLib.javaQueryFailure(q, -7, "bad\0tail"), "fail:%s[-7, bad]"},
            {(Consumer<Long>) q -> CefLib.javaQuerySuccess(q, "\uD83D\uDE00 \u00e9"), "ok:%s[\uD83D\uDE00 \u00e9]"},
        };
        int n = 0;
        for (Object[] c : cases) {
            String tag = "case" + n++;
            @SuppressWarnings("unchecked")
            Consumer<Long> answer = (Consumer<Long>) c[0];
            handler.answer = query -> {
                answer.accept(query);
                CefLib.javaQuerySuccess(query, "second");
                CefLib.javaQueryFailure(query, 1, "third");
            };
            ask(id, "q", tag, false);
            awaitPageCalls(id, tag, 1);
            settle(id);
            assertEquals(List.of(String.format((String) c[1], tag)), pageCalls(id, tag), tag);
        }
        assertEquals(0, TableProbe.pendingQueries());
        assertTrue(handler.named("onQueryCanceled").isEmpty(), handler.calls.toString());
    }

    @Test
    @DisplayName("onQuery gets browser id, main frame id, a fresh query id and the request with NUL and supplementary characters unchanged")
    void requestReachesJava() {
        String request = "a\0b \uD83D\uDE00 \uFFFF end";
        askAndAwait(id, request, "text");
        askAndAwait(id, "", "empty");
        List<Received> queries = handler.named("onQuery");
        assertEquals(requestSeen(request), queries.get(0).request);
        assertEquals("", queries.get(1).request);
        assertEquals(id, queries.get(0).browser);
        assertEquals(mainFrame(id), queries.get(0).frame);
        assertTrue(queries.get(1).query > queries.get(0).query, queries.toString());
        assertEquals(2, TableProbe.pendingQueries(), "unanswered queries wait for Java");
        CefLib.javaQuerySuccess(queries.get(1).query, "later");
        awaitPageCalls(id, "empty", 1);
        assertEquals(List.of("ok:empty[later]"), pageCalls(id, "empty"));
        assertEquals(1, TableProbe.pendingQueries());
    }

    @Test
    @DisplayName("a persistent query takes one answer from Java and stays open until a navigation cancels it")
    void persistentQuery() {
        handler.answer = query -> {
            CefLib.javaQuerySuccess(query, "one");
            CefLib.javaQuerySuccess(query, "two");
        };
        ask(id, "watch", "p", true);
        awaitPageCalls(id, "p", 1);
        settle(id);
        assertEquals(List.of("ok:p[one]"), pageCalls(id, "p"));
        assertEquals(0, TableProbe.pendingQueries(), "Java's one answer used the entry");
        long query = handler.named("onQuery").get(0).query;
        load(id, OTHER);
        List<Received> canceled = handler.named("onQueryCanceled");
        assertEquals(1, canceled.size(), handler.calls.toString());
        assertEquals(query, canceled.get(0).query);
        assertEquals(id, canceled.get(0).browser);
    }

    @Test
    @DisplayName("a main-frame navigation cancels pending queries once each; later answers reach nobody and the table does not grow")
    void navigationCancels() {
        for (int round = 0; round < 20; round++) {
            String tag = "nav" + round;
            askAndAwait(id, "wait", tag);
            askAndAwait(id, "wait", tag + "b");
            assertEquals(2, TableProbe.pendingQueries());
            load(id, round % 2 == 0 ? OTHER : PAGE);
            assertEquals(0, TableProbe.pendingQueries(), "round " + round);
        }
        List<Received> queries = handler.named("onQuery");
        List<Received> canceled = handler.named("onQueryCanceled");
        assertEquals(queries.size(), canceled.size());
        Set<Long> ids = new HashSet<>();
        for (Received call : canceled) {
            assertTrue(ids.add(call.query), "canceled once: " + call);
        }
        for (Received call : queries) {
            assertTrue(ids.contains(call.query));
            CefLib.javaQuerySuccess(call.query, "too late");
        }
        settle(id);
        for (int round = 0; round < 20; round++) {
            assertEquals(List.of(), pageCalls(id, "nav" + round));
        }
    }

    @Test
    @DisplayName("the page's cancel function cancels its query; Java hears it once and its answer goes nowhere")
    void pageCancels() {
        int number = askAndAwait(id, "wait", "c");
        long query = handler.lastQuery();
        SimScript.CallResult cancel = SimScript.callWindowFunction((int) id, mainFrame(id), "javaQueryCancel", number);
        assertFalse(cancel.threw, cancel.toString());
        Engine.pumpUntil(() -> !handler.named("onQueryCanceled").isEmpty(), "onQueryCanceled");
        assertEquals(query, handler.named("onQueryCanceled").get(0).query);
        assertEquals(0, TableProbe.pendingQueries());
        CefLib.javaQuerySuccess(query, "late");
        settle(id);
        assertEquals(List.of(), pageCalls(id, "c"));
        assertEquals(1, handler.named("onQueryCanceled").size());
    }

    @Test
    @DisplayName("a subframe's new document releases its context, which cancels that frame's queries only")
    void releasedContextCancels() {
        load(id, FRAMED);
        long[] frames = SimBrowsers.frameIds((int) id);
        assertEquals(3, frames.length);
        long sub = 0;
        for (long frame : frames) {
            if ((FRAMED + "left").equals(SimBrowsers.frameUrl(frame))) {
                sub = frame;
            }
        }
        assertNotEquals(0, sub, "the first subframe");
        askIn(id, sub, "in subframe", "s", true);
        askIn(id, mainFrame(id), "in main frame", "m", false);
        Engine.pumpUntil(() -> handler.named("onQuery").size() == 2, "both queries");
        Received inSub = handler.named("onQuery").get(0);
        assertEquals(sub, inSub.frame);
        assertTrue(com.velmor.brivon.sim.SimPage.navigateSubframe((int) id, 0, OTHER));
        Engine.pumpUntil(() -> !handler.named("onQueryCanceled").isEmpty(), "the subframe's query canceled");
        settle(id);
        List<Received> canceled = handler.named("onQueryCanceled");
        assertEquals(1, canceled.size(), handler.calls.toString());
        assertEquals(inSub.query, canceled.get(0).query);
        assertEquals(1, TableProbe.pendingQueries(), "the main frame's query still waits");
    }

    @Test
    @DisplayName("a renderer crash cancels that browser's queries, with no other Java call, and leaves other browsers' alone")
    void rendererCrashCancels() {
        long other = open();
        askAndAwait(id, "wait", "k1");
        askAndAwait(id, "wait", "k2");
        askAndAwait(other, "wait", "k3");
        long survivor = handler.lastQuery();
        handler.calls.clear();
        assertTrue(SimScript.killRenderer((int) id));
        Engine.pumpUntil(() -> handler.named("onQueryCanceled").size() >= 2, "both queries canceled");
        Engine.pumpUntil(() -> SimScript.rendererPid((int) id) == 0, "the renderer's end");
        assertEquals(2, handler.calls.size(), handler.calls.toString());
        for (Received call : handler.calls) {
            assertEquals("onQueryCanceled", call.name);
            assertEquals(id, call.browser);
        }
        assertEquals(1, TableProbe.pendingQueries());
        CefLib.javaQuerySuccess(survivor, "still here");
        awaitPageCalls(other, "k3", 1);
        assertEquals(List.of("ok:k3[still here]"), pageCalls(other, "k3"));
    }

    @Test
    @DisplayName("two browsers asking at once get different query ids, and each answer reaches its own page")
    void twoBrowsers() {
        long other = open();
        ask(id, "from first", "b1", false);
        ask(other, "from second", "b2", false);
        Engine.pumpUntil(() -> handler.named("onQuery").size() == 2, "both queries");
        List<Received> queries = handler.named("onQuery");
        assertNotEquals(queries.get(0).query, queries.get(1).query);
        for (Received call : queries) {
            CefLib.javaQuerySuccess(call.query, call.request);
        }
        awaitPageCalls(id, "b1", 1);
        awaitPageCalls(other, "b2", 1);
        assertEquals(List.of("ok:b1[from first]"), pageCalls(id, "b1"));
        assertEquals(List.of("ok:b2[from second]"), pageCalls(other, "b2"));
    }

    @Test
    @DisplayName("answers from several Java threads at once each reach their page exactly once")
    void answersFromManyThreads() throws InterruptedException {
        final int count = 200;
        for (int i = 0; i < count; i++) {
            ask(id, "r" + i, "t" + i, false);
        }
        Engine.pumpUntil(() -> handler.named("onQuery").size() == count, "all queries");
        List<Received> queries = handler.named("onQuery");
        ExecutorService pool = Executors.newFixedThreadPool(8);
        CountDownLatch start = new CountDownLatch(1);
        for (int thread = 0; thread < 8; thread++) {
            final boolean fail = thread % 2 == 1;
            pool.execute(() -> {
                try {
                    start.await();
                } catch (InterruptedException e) {
                    return;
                }
                // Every thread answers every query: exactly one answer per query may win.
                for (Received call : queries) {
                    if (fail) {
                        CefLib.javaQueryFailure(call.query, 5, call.request);
                    } else {
                        CefLib.javaQuerySuccess(call.query, call.request);
                    }
                }
            });
        }
        start.countDown();
        pool.shutdown();
        assertTrue(pool.awaitTermination(30, TimeUnit.SECONDS));
        assertEquals(0, TableProbe.pendingQueries());
        for (int i = 0; i < count; i++) {
            awaitPageCalls(id, "t" + i, 1);
        }
        settle(id);
        for (int i = 0; i < count; i++) {
            List<String> calls = pageCalls(id, "t" + i);
            assertEquals(1, calls.size(), calls.toString());
            String only = calls.get(0);
            assertTrue(only.equals("ok:t" + i + "[r" + i + "]") || only.equals("fail:t" + i + "[5, r" + i + "]"), only);
        }
    }

    @Test
    @DisplayName("with no Java handler registered a query is answered with a failure, not left pending")
    void noJavaHandler() {
        CefLib.setMessageRouterHandler(null);
        ask(id, "anyone?", "none", false);
        awaitPageCalls(id, "none", 1);
        assertEquals(List.of("fail:none[-1, No handler takes the query]"), pageCalls(id, "none"));
        assertEquals(0, TableProbe.pendingQueries());
        assertTrue(handler.calls.isEmpty());
    }
}
