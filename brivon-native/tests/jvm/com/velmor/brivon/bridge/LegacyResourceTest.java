package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.ResourceHandler;
import com.velmor.brivon.jni.ResourceResponse;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.sim.SimResources;
import com.velmor.brivon.testing.Engine;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.function.Function;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestInstance;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/**
 * The legacy build's whole-buffer resources: Java's read(String) answers the whole body, the
 * bridge chooses the type from the address.
 */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
class LegacyResourceTest {
    private static final int WAIT_MILLIS = 10_000;
    private final List<String> reads = Collections.synchronizedList(new ArrayList<>());

    /** The legacy build calls read(String) on the registered object. */
    public class WholeBody implements ResourceHandler {
        private final Function<String, byte[]> answer;

        WholeBody(Function<String, byte[]> answer) {
            this.answer = answer;
        }

        @Override
        public ResourceResponse createRequest(String url) {
            throw new AssertionError("the legacy build never asks for a response object");
        }

        public byte[] read(String url) {
            reads.add(url);
            return answer.apply(url);
        }
    }

    @BeforeAll
    void start() {
        CefLib.load(System.getProperty("brivon.legacy.library"));
        SimDriver.load(System.getProperty("cefsim.driver.library"));
        Engine.start();
    }

    @AfterAll
    void stop() {
        CefLib.shutdown();
    }

    @AfterEach
    void dropHandler() {
        CefLib.setResourceHandler(null);
        reads.clear();
    }

    private static SimResources.Received load(String url, int type) {
        SimResources.Received got = SimResources.await(SimResources.load(0, url, type), WAIT_MILLIS);
        assertNotNull(got, url);
        return got;
    }

    @ParameterizedTest(name = "{1} {0}: {2} {3}")
    @CsvSource({
        "brivon://app/a.css,             STYLESHEET, text/css,                 utf-8",
        "brivon://app/a.png,             STYLESHEET, text/css,                 utf-8",
        "brivon://app/a.js?v=1,          SCRIPT,     application/javascript,   utf-8",
        "brivon://app/a.png,             IMAGE,      image/png,                ''",
        "brivon://app/a.png?v=1,         IMAGE,      application/octet-stream, ''",
        "brivon://app/a.PNG,             IMAGE,      application/octet-stream, ''",
        "brivon://app/a.jpeg,            IMAGE,      image/jpeg,               ''",
        "brivon://app/a.jpg,             IMAGE,      image/jpeg,               ''",
        "brivon://app/a.gif,             IMAGE,      image/gif,                ''",
        "brivon://app/a.svg,             IMAGE,      image/svg,                utf-8",
        "brivon://app/index.html?x=.pdf, MAIN_FRAME, text/html,                utf-8",
        "brivon://app/index.htm,         MAIN_FRAME, text/html,                utf-8",
        "brivon://app/d.xml,             MAIN_FRAME, application/xml,          utf-8",
        "brivon://app/d.json,            MAIN_FRAME, application/json,         utf-8",
        "brivon://app/d.pdf,             MAIN_FRAME, application/pdf,          ''",
        "brivon://app/c.vue,             MAIN_FRAME, text/plain,               ''",
        "brivon://app/d.HTML,            MAIN_FRAME, application/octet-stream, ''",
        "brivon://app/d.txt?f=a.html,    MAIN_FRAME, application/octet-stream, ''",
        "file:///x.htm,                  MAIN_FRAME, text/html,                utf-8",
    })
    void mimeTable(String url, String type, String mime, String charset) throws ReflectiveOperationException {
        int resourceType = SimResources.class.getField(type).getInt(null);
        CefLib.setResourceHandler(new WholeBody(u -> "body".getBytes(StandardCharsets.UTF_8)));
        SimResources.Received got = load(url, resourceType);
        assertEquals(200, got.status, got.toString());
        assertEquals(mime, got.mimeType);
        assertEquals(charset, got.charset);
        assertEquals(List.of(url), reads, "the whole address reaches read");
    }

    @Test
    @DisplayName("a body larger than the engine's chunk arrives whole, read offset and length kept")
    void bigBody() {
        byte[] big = new byte[5 * SimResources.READ_CHUNK_BYTES + 3];
        for (int i = 0; i < big.length; i++) {
            big[i] = (byte) (i * 31);
        }
        CefLib.setResourceHandler(new WholeBody(u -> big));
        SimResources.Received got = load("file:///data", SimResources.MAIN_FRAME);
        assertEquals("application/octet-stream", got.mimeType);
        assertEquals(big.length, got.length);
        assertArrayEquals(big, got.body);
        assertEquals(7, got.reads, "six chunks, then the end");
    }

    @Test
    @DisplayName("an empty array and a null array: status 200, length 0, an empty body")
    void emptyBodies() {
        for (byte[] answer : new byte[][] {new byte[0], null}) {
            CefLib.setResourceHandler(new WholeBody(u -> answer));
            SimResources.Received got = load("brivon://app/e.json", SimResources.MAIN_FRAME);
            assertTrue(got.handled, got.toString());
            assertEquals(200, got.status);
            assertEquals(0, got.length);
            assertEquals(0, got.body.length);
            assertEquals(0, got.error);
        }
    }

    @Test
    @DisplayName("read throwing cancels the request at once; no resource handler gives status 500")
    void failures() {
        CefLib.setResourceHandler(new WholeBody(u -> {
            throw new IllegalStateException("no body");
        }));
        SimResources.Received got = load("brivon://app/x.html", SimResources.MAIN_FRAME);
        assertFalse(got.handled, got.toString());
        assertTrue(got.canceled);
        assertEquals(0, got.reads);
        CefLib.setResourceHandler(null);
        got = load("brivon://app/x.html", SimResources.MAIN_FRAME);
        assertEquals(500, got.status, got.toString());
        assertEquals(0, got.body.length);
    }

    @Test
    @DisplayName("a page served whole by read(String): the document is text/html, and each subresource it declares has the type its kind takes")
    void pageServedWhole() {
        String page = "brivon://app/index.html?lang=en";
        String document = "<title>Legacy</title><img src=logo.png><link rel=stylesheet href=logo.png>";
        CefLib.setResourceHandler(new WholeBody(
                u -> (u.equals(page) ? document : "x").getBytes(StandardCharsets.UTF_8)));
        long id = CefLib.createBrowser();
        try {
            CefLib.loadUrl(id, page);
            Engine.pumpUntil(() -> SimResources.pageRequests((int) id).length == 3,
                    "the page's requests");
            List<String> got = new ArrayList<>();
            for (SimResources.PageRequest request : SimResources.pageRequests((int) id)) {
                SimResources.Received received = SimResources.await(request.id, WAIT_MILLIS);
                assertNotNull(received, request.toString());
                got.add(request.resourceType + " " + request.url + " " + received.mimeType);
            }
            assertEquals(List.of(SimResources.MAIN_FRAME + " " + page + " text/html",
                    SimResources.IMAGE + " brivon://app/logo.png image/png",
                    SimResources.STYLESHEET + " brivon://app/logo.png text/css"), got);
        } finally {
            Engine.close(id);
        }
    }
}
