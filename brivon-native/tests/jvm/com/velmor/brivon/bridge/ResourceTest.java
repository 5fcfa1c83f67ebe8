package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertNotSame;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.ResourceHandler;
import com.velmor.brivon.jni.ResourceResponse;
import com.velmor.brivon.sim.SimResources;
import com.velmor.brivon.testing.Bodies;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import java.io.ByteArrayOutputStream;
import java.io.PrintStream;
import java.lang.management.ManagementFactory;
import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Collections;
import java.util.HashSet;
import java.util.List;
import java.util.Set;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.atomic.AtomicBoolean;
import java.util.function.Function;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;
import org.junit.jupiter.params.provider.ValueSource;

/**
 * Requests served by the Java resource handler on the engine's loader threads: what the page
 * receives for each answer and each failure of Java, which calls Java sees and on which
 * threads, and which addresses reach the handler at all.
 */
class ResourceTest extends BrowserSession {
    private static final int WAIT_MILLIS = 10_000;

    /** Every Java call of every request, in order, with the Java thread it came on. */
    private final List<String> calls = Collections.synchronizedList(new ArrayList<>());
    private final List<Thread> threads = Collections.synchronizedList(new ArrayList<>());

    private void record(String call) {
        calls.add(call);
        threads.add(Thread.currentThread());
    }

    @AfterEach
    void dropHandler() {
        CefLib.setResourceHandler(null);
        calls.clear();
        threads.clear();
    }

    /** A response that serves `body` in pieces of at most `piece` bytes, recording each call. */
    private class Served extends ResourceResponse {
        final int status;
        final String type;
        final long length;
        final byte[] body;
        final int piece;
        final String throwIn;
        int offset;

        Served(int status, String type, long length, byte[] body, int piece, String throwIn) {
            this.status = status;
            this.type = type;
            this.length = length;
            this.body = body;
            this.piece = piece;
            this.throwIn = throwIn;
        }

        private void step(String name) {
            record(name);
            if (name.equals(throwIn)) {
                throw new IllegalStateException("thrown from " + name);
            }
        }

        @Override
        public void open() {
            step("open");
        }

        @Override
        public int getHttpStatusCode() {
            step("getHttpStatusCode");
            return status;
        }

        @Override
        public long getContentLength() {
            step("getContentLength");
            return length;
        }

        @Override
        public String getContentType() {
            step("getContentType");
            return type;
        }

        @Override
        public int read(ByteBuffer buffer) {
            step("read");
            int count = Math.min(Math.min(piece, buffer.capacity()), body.length - offset);
            buffer.put(body, offset, count);
            offset += count;
            return count;
        }

        @Override
        public void cancel() {
            step("cancel");
        }

        @Override
        public void close() {
            step("close");
        }
    }

    private void serve(Function<String, ResourceResponse> answer) {
        CefLib.setResourceHandler(url -> {
            record("createRequest " + url);
            return answer.apply(url);
        });
    }

    private static SimResources.Received load(String url, int type) {
        int id = SimResources.load(0, url, type);
        SimResources.Received got = SimResources.await(id, WAIT_MILLIS);
        assertNotNull(got, "the request to " + url + " did not end");
        return got;
    }

    private static byte[] bytes(String text) {
        return text.getBytes(StandardCharsets.UTF_8);
    }

    private List<String> callNames() {
        List<String> names = new ArrayList<>();
        synchronized (calls) {
            for (String call : calls) {
                names.add(call.startsWith("createRequest ") ? "createRequest" : call);
            }
        }
        return names;
    }

    @Test
    @DisplayName("a whole response: Java's status, type and length, the body, close at the end and no cancel")
    void wholeResponse() {
        serve(url -> new Served(203, "text/x-test", 10, bytes("0123456789"), 1 << 20, null));
        SimResources.Received got = load("brivon://app/page?x=1&y=%20#frag", SimResources.MAIN_FRAME);
        assertTrue(got.offered && got.handled, got.toString());
        assertEquals(203, got.status);
        assertEquals("text/x-test", got.mimeType);
        assertEquals(10, got.length);
        assertArrayEquals(bytes("0123456789"), got.body);
        assertEquals(0, got.error);
        assertEquals("createRequest brivon://app/page?x=1&y=%20#frag", calls.get(0), "the whole address");
        assertEquals(List.of("createRequest", "open", "getHttpStatusCode", "getContentLength",
                "getContentType", "read", "read", "close"), callNames());
    }

    @Test
    @DisplayName("an unknown length with a 10-byte body delivers all 10; short reads deliver exactly their bytes and read is asked again")
    void unknownLengthAndShortReads() {
        serve(url -> new Served(200, "application/octet-stream", -1, bytes("abcdefghij"), 3, null));
        SimResources.Received got = load("platform://x/data", SimResources.SCRIPT);
        assertEquals(-1, got.length);
        assertArrayEquals(bytes("abcdefghij"), got.body);
        assertEquals(0, got.error);
        assertEquals(5, got.reads, "3 + 3 + 3 + 1 bytes, then the end");
    }

    @Test
    @DisplayName("read answering 0 at once: an empty body with Java's status and type")
    void emptyBody() {
        serve(url -> new Served(404, "text/plain", 0, new byte[0], 10, null));
        SimResources.Received got = load("brivon://app/empty", SimResources.MAIN_FRAME);
        assertEquals(404, got.status);
        assertEquals("text/plain", got.mimeType);
        assertEquals(0, got.body.length);
        assertEquals(0, got.error);
        assertEquals(1, got.reads);
    }

    @ParameterizedTest(name = "read answering {0} fails the load with {0}")
    @ValueSource(ints = {-2, -7, -310})
    void negativeCount(int count) {
        serve(url -> new ResourceResponse() {
            @Override
            public int read(ByteBuffer buffer) {
                return count;
            }
        });
        SimResources.Received got = load("brivon://app/broken", SimResources.IMAGE);
        assertEquals(count, got.error);
        assertEquals(0, got.body.length);
    }

    @Test
    @DisplayName("createRequest answering null, or no resource handler at all: status 500, unknown length, the first read fails with -2")
    void noResponse() {
        serve(url -> null);
        SimResources.Received got = load("brivon://app/none", SimResources.MAIN_FRAME);
        assertEquals(500, got.status);
        assertEquals(-1, got.length);
        assertEquals(-2, got.error);
        assertEquals(1, got.reads);
        CefLib.setResourceHandler(null);
        SimResources.Received unregistered = load("brivon://app/none", SimResources.MAIN_FRAME);
        assertEquals(500, unregistered.status);
        assertEquals(-1, unregistered.length);
        assertEquals(-2, unregistered.error);
    }

    @ParameterizedTest(name = "{0} throws: status {1}, body {2}, error {3}, calls {4}")
    @CsvSource(delimiter = ';', value = {
        "open;              500; '';         -2; createRequest open",
        "getHttpStatusCode; 500; '';         -2; createRequest open getHttpStatusCode",
        "getContentLength;  500; 0123456789;  0; createRequest open getHttpStatusCode getContentLength read read close",
        "getContentType;    500; 0123456789;  0; createRequest open getHttpStatusCode getContentLength getContentType read read close",
        "read;              201; '';         -2; createRequest open getHttpStatusCode getContentLength getContentType read close",
        "close;             201; 0123456789;  0; createRequest open getHttpStatusCode getContentLength getContentType read read close",
    })
    void javaExceptions(String thrower, int status, String body, int error, String expectedCalls) {
        serve(url -> new Served(201, "text/plain", 10, bytes("0123456789"), 100, thrower));
        SimResources.Received got = withStandardError(err -> {
            SimResources.Received received = load("brivon://app/" + thrower, SimResources.MAIN_FRAME);
            assertTrue(err.toString().contains("thrown from " + thrower), "printed: " + err);
            return received;
        });
        assertEquals(status, got.status, got.toString());
        assertArrayEquals(bytes(body), got.body);
        assertEquals(error, got.error);
        assertEquals(List.of(expectedCalls.split(" ")), callNames());
        // Cleared, not left for the next Java call of the thread or of the test.
        serve(url -> new Served(200, "text/plain", 2, bytes("ok"), 100, null));
        assertArrayEquals(bytes("ok"), load("brivon://app/after", SimResources.MAIN_FRAME).body);
    }

    @Test
    @DisplayName("createRequest throwing: printed, cleared, status 500 and the first read fails with -2")
    void createRequestThrows() {
        CefLib.setResourceHandler(url -> {
            throw new IllegalStateException("thrown from createRequest");
        });
        SimResources.Received got = withStandardError(err -> {
            SimResources.Received received = load("brivon://app/x", SimResources.MAIN_FRAME);
            assertTrue(err.toString().contains("thrown from createRequest"), "printed: " + err);
            return received;
        });
        assertEquals(500, got.status);
        assertEquals(-1, got.length);
        assertEquals(-2, got.error);
    }

    private static <T> T withStandardError(Function<ByteArrayOutputStream, T> body) {
        PrintStream saved = System.err;
        ByteArrayOutputStream captured = new ByteArrayOutputStream();
        System.setErr(new PrintStream(captured, true, StandardCharsets.UTF_8));
        try {
            return body.apply(captured);
        } finally {
            System.setErr(saved);
        }
    }

    @ParameterizedTest(name = "throwing from: ''{0}''")
    @DisplayName("a request cancelled while Java reads: cancel, then close, and the load ends aborted, also when cancel or close throws")
    @ValueSource(strings = {"", "cancel", "close"})
    void cancelledWhileReading(String thrower) throws InterruptedException {
        CountDownLatch reading = new CountDownLatch(1);
        CountDownLatch goOn = new CountDownLatch(1);
        serve(url -> new Served(200, "text/plain", -1, new byte[100_000], 1000, thrower) {
            @Override
            public int read(ByteBuffer buffer) {
                reading.countDown();
                try {
                    goOn.await(WAIT_MILLIS, TimeUnit.MILLISECONDS);
                } catch (InterruptedException e) {
                    Thread.currentThread().interrupt();
                }
                return super.read(buffer);
            }
        });
        int id = SimResources.load(0, "brivon://app/slow", SimResources.MAIN_FRAME);
        assertTrue(reading.await(WAIT_MILLIS, TimeUnit.MILLISECONDS));
        SimResources.cancel(id);
        goOn.countDown();
        SimResources.Received got = SimResources.await(id, WAIT_MILLIS);
        assertNotNull(got);
        assertTrue(got.canceled);
        assertEquals(-3, got.error, "ERR_ABORTED");
        List<String> names = callNames();
        assertEquals(List.of("cancel", "close"), names.subList(names.size() - 2, names.size()));
        assertEquals(1, Collections.frequency(names, "cancel"));
        assertEquals(1, Collections.frequency(names, "close"));
        // The loader thread's exception was cleared there: the next request is served whole.
        serve(url -> new Served(200, "text/plain", 2, bytes("ok"), 100, null));
        assertArrayEquals(bytes("ok"), load("brivon://app/after", SimResources.MAIN_FRAME).body);
    }

    @Test
    @DisplayName("every Java call of a request comes on one attached daemon thread, detached when the engine ends its loading thread")
    void loaderThreads() {
        serve(url -> new Served(200, "text/plain", 5, bytes("hello"), 2, null));
        Engine.pumpUntil(() -> SimResources.loaderThreads() == 0, "the engine's idle loading threads ended");
        int liveBefore = ManagementFactory.getThreadMXBean().getThreadCount();
        Set<Thread> loaders = new HashSet<>();
        for (int i = 0; i < 3; i++) {
            threads.clear();
            assertArrayEquals(bytes("hello"), load("brivon://app/t" + i, SimResources.MAIN_FRAME).body);
            Set<Thread> used = new HashSet<>(threads);
            assertEquals(1, used.size(), "one attachment serves the whole request");
            Thread loader = used.iterator().next();
            assertNotSame(Thread.currentThread(), loader);
            assertTrue(loader.isDaemon(), "a loader thread never holds the virtual machine's exit");
            loaders.add(loader);
        }
        Engine.pumpUntil(() -> SimResources.loaderThreads() == 0, "the loading threads ended once idle");
        for (Thread loader : loaders) {
            assertFalse(loader.isAlive(), "detached as the engine ended the thread");
        }
        assertEquals(liveBefore, ManagementFactory.getThreadMXBean().getThreadCount(),
                "the live thread count is back where it was");
    }

    @Test
    @DisplayName("sixty-four requests served at once all complete with their own bytes")
    void manyAtOnce() {
        int size = 3 * SimResources.READ_CHUNK_BYTES + 17;
        CountDownLatch allOpen = new CountDownLatch(64);
        serve(url -> new Served(200, "application/octet-stream", size, Bodies.patterned(url, size), 1 << 20, null) {
            @Override
            public void open() {
                // Each waits for the others, so that all sixty-four are in Java at once.
                allOpen.countDown();
                try {
                    allOpen.await(WAIT_MILLIS, TimeUnit.MILLISECONDS);
                } catch (InterruptedException e) {
                    Thread.currentThread().interrupt();
                }
            }
        });
        int[] ids = new int[64];
        for (int i = 0; i < ids.length; i++) {
            ids[i] = SimResources.load(0, "brivon://many/" + i, SimResources.IMAGE);
        }
        for (int i = 0; i < ids.length; i++) {
            SimResources.Received got = SimResources.await(ids[i], WAIT_MILLIS);
            assertNotNull(got, "request " + i);
            assertEquals(0, got.error, got.toString());
            assertArrayEquals(Bodies.patterned("brivon://many/" + i, size), got.body, "request " + i);
        }
        assertEquals(0, allOpen.getCount());
    }

    @Test
    @DisplayName("replacing the resource handler while requests are served: each uses the old or the new one, none a released one")
    void replacedWhileLoading() throws InterruptedException {
        ResourceHandler first = url -> new Served(200, "text/plain", 1, bytes("1"), 10, null);
        ResourceHandler second = url -> new Served(200, "text/plain", 1, bytes("2"), 10, null);
        // Registered before the first request: a request that finds the slot empty (as it is
        // after the previous test) is rightly answered 500, which is not what this case is about.
        CefLib.setResourceHandler(first);
        AtomicBoolean replacing = new AtomicBoolean(true);
        Thread replacer = new Thread(() -> {
            while (replacing.get()) {
                CefLib.setResourceHandler(first);
                CefLib.setResourceHandler(second);
            }
        });
        replacer.start();
        try {
            for (int round = 0; round < 8; round++) {
                int[] ids = new int[16];
                for (int i = 0; i < ids.length; i++) {
                    ids[i] = SimResources.load(0, "brivon://swap/" + i, SimResources.MAIN_FRAME);
                }
                for (int id : ids) {
                    SimResources.Received got = SimResources.await(id, WAIT_MILLIS);
                    assertNotNull(got);
                    assertEquals(200, got.status, got.toString());
                    String body = new String(got.body, StandardCharsets.UTF_8);
                    assertTrue(body.equals("1") || body.equals("2"), body);
                }
            }
        } finally {
            replacing.set(false);
            replacer.join(WAIT_MILLIS);
        }
    }

    @ParameterizedTest(name = "{0} reaches the resource handler: {1}")
    @CsvSource({
        "https://platform/app.js,        true",
        "https://PLATFORM/app.js,        true",
        "http://jar/x.css,               true",
        "https://javaclass/x,            true",
        "brivon://any-host.example/page, true",
        "platform://whatever/page,       true",
        "jar://file/lib/x.png,           true",
        "file:///home/user/page.html,    true",
        "https://other.test/app.js,      false",
        "jar://other/lib/x.png,          false",
        "http://platform.example/x,      false",
    })
    void addresses(String url, boolean offered) {
        serve(u -> new Served(200, "text/plain", 2, bytes("ok"), 10, null));
        SimResources.Received got = load(url, SimResources.IMAGE);
        assertEquals(offered, got.offered, got.toString());
        assertEquals(offered ? List.of("createRequest " + url) : List.of(),
                calls.isEmpty() ? List.of() : List.of(calls.get(0)));
    }
}
