package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.MessageRouterHandler;
import com.velmor.brivon.jni.RenderHandler;
import com.velmor.brivon.jni.ResourceResponse;
import com.velmor.brivon.probe.TableProbe;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.sim.SimResources;
import com.velmor.brivon.sim.SimScript;
import com.velmor.brivon.sim.SimView;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.Bodies;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Events;
import java.lang.ref.WeakReference;
import java.nio.ByteBuffer;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.atomic.AtomicInteger;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestInstance;

/**
 * Load the bridge must hold: many browsers, queries, concurrent resources and paints. After each
 * run the bridge's tables are empty, the engine holds no more of the bridge's objects than before,
 * and the Java objects handed to the bridge can be collected once replaced. Every run's size and
 * time is printed as one table when the class ends.
 */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
class StressTest {
    private static final String PAGE = "http://stress.test/";
    private static final String OTHER = "http://stress-other.test/";
    private static final int WAIT_MILLIS = 20_000;

    private final Events events = new Events();
    private final List<String> figures = new ArrayList<>();
    private int heldAtStart;

    @BeforeAll
    void start() {
        Engine.load(true);
        events.registerAll();
        Engine.start();
        SimWeb.servePage(PAGE, "Stress");
        SimWeb.servePage(OTHER, "Other");
        heldAtStart = SimDriver.heldClientObjects();
    }

    @AfterAll
    void stop() {
        CefLib.shutdown();
        System.out.println();
        System.out.printf("%-44s %10s %10s %12s%n", "stress run", "count", "seconds", "us each");
        figures.forEach(System.out::println);
    }

    private void figure(String what, int count, long startNanos) {
        double seconds = (System.nanoTime() - startNanos) / 1e9;
        figures.add(String.format("%-44s %10d %10.2f %12.1f", what, count, seconds, seconds * 1e6 / count));
    }

    /** Nothing of a run is left: no browser, no table entry, no pending query, no extra engine hold. */
    private void assertNothingLeft(long[] ids) {
        assertEquals(0, SimBrowsers.ids().length);
        for (long id : ids) {
            assertEquals(0, TableProbe.tables(id), "browser " + id);
        }
        assertEquals(0, TableProbe.pendingQueries());
        Engine.pumpUntil(() -> SimDriver.heldClientObjects() == heldAtStart, "the engine letting go of the run's objects");
    }

    private long openWithPage(String url) {
        long id = CefLib.createBrowser();
        assertTrue(id > 0);
        CefLib.loadUrl(id, url);
        return id;
    }

    private void closeAll(long[] ids) {
        for (long id : ids) {
            CefLib.closeBrowser(id, true);
        }
        Engine.pumpUntil(() -> SimBrowsers.ids().length == 0, "every browser closed");
    }

    @Test
    @DisplayName("a thousand browsers, opened with a page and closed in waves of a hundred")
    void browsersInWaves() {
        final int waves = 10;
        final int perWave = 100;
        long[] all = new long[waves * perWave];
        long started = System.nanoTime();
        for (int wave = 0; wave < waves; wave++) {
            long[] ids = new long[perWave];
            int loadsBefore = events.named("onLoadEnd").size();
            for (int i = 0; i < perWave; i++) {
                ids[i] = openWithPage(PAGE);
                all[wave * perWave + i] = ids[i];
            }
            Engine.pumpUntil(() -> events.named("onLoadEnd").size() - loadsBefore >= perWave, "wave's pages loaded");
            closeAll(ids);
            events.clear();
        }
        figure("browsers created, loaded, closed", all.length, started);
        assertEquals(all.length, Arrays.stream(all).distinct().count(), "every id new");
        assertNothingLeft(all);
        Engine.pumpUntil(() -> SimScript.liveRenderers() == 0, "every renderer process ended");
    }

    /** Answers by query mode; every fifth query is cancelled by its page, every fifth left for a navigation. */
    private static final class Router implements MessageRouterHandler {
        final ExecutorService workers = Executors.newFixedThreadPool(4);
        final Map<String, Long> queryByRequest = new HashMap<>();
        final AtomicInteger canceled = new AtomicInteger();

        @Override
        public void onQuery(long browserId, long frameId, long queryId, String request) {
            queryByRequest.put(request, queryId);
            switch (request.charAt(0)) {
                case 'i':
                    CefLib.javaQuerySuccess(queryId, request);
                    break;
                case 'f':
                    CefLib.javaQueryFailure(queryId, 7, request);
                    break;
                case 'w':
                    workers.execute(() -> CefLib.javaQuerySuccess(queryId, request));
                    break;
                default:
                    break; // left pending: the page or a navigation cancels it
            }
        }

        @Override
        public void onQueryCanceled(long browserId, long frameId, long queryId) {
            canceled.incrementAndGet();
        }
    }

    @Test
    @DisplayName("ten thousand queries over four browsers, answered inside and outside onQuery, with cancellations")
    void tenThousandQueries() throws InterruptedException {
        long[] ids = new long[4];
        WeakReference<Router> router = runQueries(ids);
        assertTrue(Engine.collected(router), "the replaced router handler is collectable");
        assertNothingLeft(ids);
    }

    private WeakReference<Router> runQueries(long[] ids) throws InterruptedException {
        final int browsers = ids.length;
        final int rounds = 10;
        final int perRound = 250;
        final String[] modes = {"i", "w", "f", "c", "n"};
        Router router = new Router();
        CefLib.setMessageRouterHandler(router);
        for (int b = 0; b < browsers; b++) {
            ids[b] = openWithPage(PAGE);
        }
        Engine.pumpUntil(() -> events.named("onLoadEnd").size() >= browsers, "the pages");
        int expectedCancels = 0;
        long started = System.nanoTime();
        for (int round = 0; round < rounds; round++) {
            Map<Integer, Integer> callsBefore = new HashMap<>();
            for (int b = 0; b < browsers; b++) {
                callsBefore.put(b, SimScript.functionCallCount((int) ids[b]));
            }
            Map<String, Integer> pageNumbers = new LinkedHashMap<>();
            for (int q = 0; q < perRound; q++) {
                for (int b = 0; b < browsers; b++) {
                    String request = modes[q % modes.length] + ":" + round + ":" + b + ":" + q;
                    Map<String, Object> query = new LinkedHashMap<>();
                    query.put("request", request);
                    query.put("onSuccess", SimScript.recorder("ok"));
                    query.put("onFailure", SimScript.recorder("fail"));
                    SimScript.CallResult result = SimScript.callWindowFunction((int) ids[b],
                            SimBrowsers.mainFrameId((int) ids[b]), "javaQuery", query);
                    assertFalse(result.threw, result.toString());
                    pageNumbers.put(request, (Integer) result.value);
                }
            }
            final int asked = perRound * browsers;
            final int roundIndex = round;
            Engine.pumpUntil(() -> router.queryByRequest.keySet().stream()
                    .filter(r -> r.split(":")[1].equals(String.valueOf(roundIndex))).count() == asked, "the round's queries");
            // Answered ones: the page hears each exactly once.
            int answered = 0;
            for (String request : pageNumbers.keySet()) {
                if ("iwf".indexOf(request.charAt(0)) >= 0) {
                    answered++;
                }
            }
            final int answeredInRound = answered;
            Engine.pumpUntil(() -> {
                int seen = 0;
                for (int b = 0; b < browsers; b++) {
                    seen += SimScript.functionCallCount((int) ids[b]) - callsBefore.get(b);
                }
                return seen == answeredInRound;
            }, "the round's answers");
            for (Map.Entry<String, Integer> entry : pageNumbers.entrySet()) {
                if (entry.getKey().charAt(0) == 'c') {
                    int b = Integer.parseInt(entry.getKey().split(":")[2]);
                    SimScript.callWindowFunction((int) ids[b], SimBrowsers.mainFrameId((int) ids[b]),
                            "javaQueryCancel", entry.getValue());
                    expectedCancels++;
                } else if (entry.getKey().charAt(0) == 'n') {
                    expectedCancels++;
                }
            }
            int loadsBefore = events.named("onLoadEnd").size();
            for (long id : ids) {
                CefLib.loadUrl(id, round % 2 == 0 ? OTHER : PAGE);
            }
            Engine.pumpUntil(() -> events.named("onLoadEnd").size() - loadsBefore >= browsers, "the navigations");
            final int cancels = expectedCancels;
            Engine.pumpUntil(() -> router.canceled.get() == cancels, "the round's cancellations");
            assertEquals(0, TableProbe.pendingQueries(), "round " + round);
        }
        figure("queries (3/5 answered, 2/5 cancelled)", rounds * perRound * browsers, started);
        // Every answered query reached its page once, with its own request as the answer.
        for (int b = 0; b < browsers; b++) {
            for (SimScript.FunctionCall call : SimScript.functionCalls((int) ids[b])) {
                String text = call.toString();
                assertTrue(text.matches("(ok\\[[iw]:\\d+:" + b + ":\\d+\\])|(fail\\[7, f:\\d+:" + b + ":\\d+\\])"), text);
            }
        }
        router.workers.shutdown();
        assertTrue(router.workers.awaitTermination(10, TimeUnit.SECONDS));
        closeAll(ids);
        CefLib.setMessageRouterHandler(null);
        return new WeakReference<>(router);
    }

    @Test
    @DisplayName("sixty-four resource requests at once, eight times over, each with its own bytes")
    void concurrentResources() {
        final int atOnce = 64;
        final int rounds = 8;
        final int size = 2 * SimResources.READ_CHUNK_BYTES + 5;
        AtomicInteger closed = new AtomicInteger();
        List<WeakReference<Object>> responses = Collections.synchronizedList(new ArrayList<>());
        com.velmor.brivon.jni.ResourceHandler handler = url -> {
            ResourceResponse response = new ResourceResponse() {
                final byte[] body = Bodies.patterned(url, size);
                int offset;

                @Override
                public int getHttpStatusCode() {
                    return 200;
                }

                @Override
                public String getContentType() {
                    return "application/octet-stream";
                }

                @Override
                public long getContentLength() {
                    return size;
                }

                @Override
                public int read(ByteBuffer buffer) {
                    int count = Math.min(buffer.remaining(), body.length - offset);
                    buffer.put(body, offset, count);
                    offset += count;
                    return count;
                }

                @Override
                public void close() {
                    closed.incrementAndGet();
                }
            };
            responses.add(new WeakReference<>(response));
            return response;
        };
        WeakReference<Object> handlerRef = new WeakReference<>(handler);
        CefLib.setResourceHandler(handler);
        handler = null;
        long started = System.nanoTime();
        for (int round = 0; round < rounds; round++) {
            int[] requests = new int[atOnce];
            for (int i = 0; i < atOnce; i++) {
                requests[i] = SimResources.load(0, "brivon://stress/" + round + "/" + i, SimResources.IMAGE);
            }
            for (int i = 0; i < atOnce; i++) {
                SimResources.Received got = SimResources.await(requests[i], WAIT_MILLIS);
                assertNotNull(got, "request " + i + " of round " + round);
                assertEquals(0, got.error, got.toString());
                assertArrayEquals(Bodies.patterned("brivon://stress/" + round + "/" + i, size), got.body);
            }
        }
        figure("resources served, 64 at once", rounds * atOnce, started);
        assertEquals(rounds * atOnce, closed.get(), "every response closed");
        CefLib.setResourceHandler(null);
        assertTrue(Engine.collected(handlerRef), "the replaced resource handler is collectable");
        synchronized (responses) {
            for (WeakReference<Object> response : responses) {
                assertTrue(Engine.collected(response), "every response is collectable");
            }
        }
    }

    /** Counts paints and checks each buffer has the size the paint announced. */
    private static final class PaintCounter implements RenderHandler {
        int paints;
        int wrongBuffers;

        @Override
        public void onPaint(long browserId, boolean popup, int width, int height, ByteBuffer pixels, int[] dirtyRects) {
            paints++;
            if (pixels == null || pixels.capacity() != (long) width * height * 4 || dirtyRects.length != 4) {
                wrongBuffers++;
            }
        }

        @Override
        public void onPopupShow(long browserId, boolean show) {
        }

        @Override
        public void onCursorChange(long browserId, int cursorType) {
        }

        @Override
        public void onStartDragging(long browserId, int allowedOperations) {
        }

        @Override
        public void onUpdateDragCursor(long browserId, int operation) {
        }
    }

    @Test
    @DisplayName("a hundred thousand paints, a thousand per loop iteration")
    void hundredThousandPaints() {
        long[] id = new long[1];
        WeakReference<PaintCounter> counter = runPaints(id);
        assertTrue(Engine.collected(counter), "the replaced render handler is collectable");
        assertNothingLeft(id);
    }

    private WeakReference<PaintCounter> runPaints(long[] ids) {
        final int batches = 100;
        final int perBatch = 1000;
        PaintCounter counter = new PaintCounter();
        CefLib.setRenderHandler(counter);
        long id = CefLib.createBrowser();
        ids[0] = id;
        CefLib.resize(id, 64, 48);
        Engine.pumpUntil(() -> counter.paints > 0, "the first paint");
        int before = counter.paints;
        long started = System.nanoTime();
        for (int batch = 0; batch < batches; batch++) {
            assertTrue(SimView.paint((int) id, false, new int[] {batch % 64, 0, 1, 1}, perBatch, 0, 0));
            final int expected = before + (batch + 1) * perBatch;
            Engine.pumpUntil(() -> counter.paints >= expected, "batch " + batch);
        }
        figure("view paints (64 x 48)", batches * perBatch, started);
        assertEquals(before + batches * perBatch, counter.paints);
        assertEquals(0, counter.wrongBuffers);
        closeAll(ids);
        CefLib.setRenderHandler(null);
        return new WeakReference<>(counter);
    }
}
