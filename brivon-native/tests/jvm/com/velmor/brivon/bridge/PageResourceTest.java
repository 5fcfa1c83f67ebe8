package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.ResourceResponse;
import com.velmor.brivon.sim.SimResources;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Events;
import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Map;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/**
 * Pages whose documents and subresources Java serves: what each page received through the
 * bridge's resource handler, the load events of a Java-served main frame, and the requests a
 * page or navigation leaves behind when it goes.
 */
class PageResourceTest extends BrowserSession {
    private static final int WAIT_MILLIS = 10_000;
    private static final String PLAIN_PAGE = "http://site.test/page";
    private static final String ELSEWHERE = "http://elsewhere.test/";

    /** Java's calls, each "call url". */
    private final List<String> calls = Collections.synchronizedList(new ArrayList<>());
    /** What Java serves per address; an address missing here is served "?" as text/plain. */
    private final Map<String, Answer> answers = new ConcurrentHashMap<>();
    private long id;

    private static final class Answer {
        final int status;
        final String type;
        final byte[] body;
        final long length;

        Answer(int status, String type, String body, long length) {
            this.status = status;
            this.type = type;
            this.body = body.getBytes(StandardCharsets.UTF_8);
            this.length = length;
        }
    }

    /** Serves its address's answer; `read` may be slowed by the test. */
    private class Served extends ResourceResponse {
        final String url;
        final Answer answer;
        int offset;

        Served(String url) {
            this.url = url;
            this.answer = answers.getOrDefault(url, new Answer(200, "text/plain", "?", 1));
        }

        @Override
        public int getHttpStatusCode() {
            return answer.status;
        }

        @Override
        public long getContentLength() {
            return answer.length;
        }

        @Override
        public String getContentType() {
            return answer.type;
        }

        @Override
        public int read(ByteBuffer buffer) {
            calls.add("read " + url);
            int count = Math.min(buffer.remaining(), answer.body.length - offset);
            buffer.put(answer.body, offset, count);
            offset += count;
            return count;
        }

        @Override
        public void cancel() {
            calls.add("cancel " + url);
        }

        @Override
        public void close() {
            calls.add("close " + url);
        }
    }

    @BeforeEach
    void createBrowser() {
        SimWeb.reset();
        answers.clear();
        calls.clear();
        CefLib.setResourceHandler(url -> {
            calls.add("createRequest " + url);
            return new Served(url);
        });
        id = CefLib.createBrowser();
        events.clear();
    }

    @AfterEach
    void dropHandler() {
        CefLib.setResourceHandler(null);
    }

    private void load(String url) {
        int stopped = (int) events.named("onLoadingStateChange", id).stream()
                .filter(call -> !call.flag).count();
        CefLib.loadUrl(id, url);
        Engine.pumpUntil(() -> events.loadingStopped(id, stopped + 1), "loading " + url);
    }

    private List<SimResources.PageRequest> requests() {
        return List.of(SimResources.pageRequests((int) id));
    }

    private static SimResources.Received await(SimResources.PageRequest request) {
        SimResources.Received got = SimResources.await(request.id, WAIT_MILLIS);
        assertNotNull(got, "the request for " + request.url + " did not end");
        return got;
    }

    private static String text(SimResources.Received got) {
        return new String(got.body, StandardCharsets.UTF_8);
    }

    private int count(String call) {
        return Collections.frequency(new ArrayList<>(calls), call);
    }

    @Test
    @DisplayName("a page's images, style sheets and scripts at Java's addresses are served by Java, each with Java's status, type and bytes")
    void subresourcesServedByJava() {
        answers.put("brivon://app/logo.png", new Answer(200, "image/png", "PNG bytes", 9));
        answers.put("https://platform/app.css", new Answer(203, "text/css", "body{}", -1));
        answers.put("https://platform/app.js", new Answer(404, "text/javascript", "", 0));
        SimWeb.servePageWithSubresources(PLAIN_PAGE, "Plain",
                SimWeb.image("brivon://app/logo.png"),
                SimWeb.image("https://other.test/not-java.png"),
                SimWeb.styleSheet("https://platform/app.css"),
                SimWeb.script("https://platform/app.js"));
        load(PLAIN_PAGE);
        List<SimResources.PageRequest> requests = requests();
        List<String> made = new ArrayList<>();
        for (SimResources.PageRequest request : requests) {
            made.add(request.resourceType + " " + request.url);
            assertEquals(CefLib.getMainFrame(id), request.frameId, "requested for the main frame");
        }
        assertEquals(List.of(SimResources.IMAGE + " brivon://app/logo.png",
                SimResources.STYLESHEET + " https://platform/app.css",
                SimResources.SCRIPT + " https://platform/app.js"), made,
                "only the addresses Java serves, in document order");
        for (SimResources.PageRequest request : requests) {
            Answer answer = answers.get(request.url);
            SimResources.Received got = await(request);
            assertEquals(answer.status, got.status, request.url);
            assertEquals(answer.type, got.mimeType, request.url);
            assertEquals(answer.length, got.length, request.url);
            assertArrayEquals(answer.body, got.body, request.url);
            assertEquals(0, got.error, got.toString());
            assertEquals(1, count("close " + request.url), "released once: " + calls);
        }
        assertEquals(0, count("createRequest https://other.test/not-java.png"));
    }

    @Test
    @DisplayName("a main frame served by Java: its document commits with Java's title, and the subresources it declares are requested from Java")
    void mainFrameServedByJava() {
        String page = "brivon://app/index.html?lang=en";
        answers.put(page, new Answer(200, "text/html",
                "<html><head><TITLE>From Java</TITLE><link rel=\"stylesheet\" href=\"app.css\">"
                        + "<script src='/js/app.js'></script></head>"
                        + "<body><img src=img/logo.png alt=x></body></html>", -1));
        answers.put("brivon://app/app.css", new Answer(200, "text/css", "p{}", 3));
        load(page);
        assertEquals(1, count("createRequest " + page), calls.toString());
        List<String> names = new ArrayList<>();
        for (Events.Call call : events.calls) {
            names.add(call.name);
        }
        assertEquals(List.of("onBeforeBrowse", "onLoadingStateChange", "onAddressChange",
                "onLoadStart", "onTitleChange", "onLoadEnd", "onLoadingStateChange"), names);
        assertEquals("From Java", events.named("onTitleChange", id).get(0).text);
        assertEquals(page, CefLib.getMainFrameUrl(id));

        List<SimResources.PageRequest> requests = requests();
        List<String> urls = new ArrayList<>();
        for (SimResources.PageRequest request : requests) {
            urls.add(request.resourceType + " " + request.url);
        }
        assertEquals(List.of(SimResources.MAIN_FRAME + " " + page,
                SimResources.STYLESHEET + " brivon://app/app.css",
                SimResources.SCRIPT + " brivon://app/js/app.js",
                SimResources.IMAGE + " brivon://app/img/logo.png"), urls);
        SimResources.Received document = await(requests.get(0));
        assertEquals("text/html", document.mimeType);
        assertTrue(text(document).contains("From Java"), document.toString());
        assertEquals("p{}", text(await(requests.get(1))));
        assertEquals("?", text(await(requests.get(2))));
    }

    @ParameterizedTest(name = "a main frame whose Java response is {0} {1}: {2}")
    @CsvSource({
        "404, '<p>missing',   committed",
        "200, '',             committed",
        "200, read fails -7,  error -7",
    })
    void mainFrameOutcomes(int status, String body, String outcome) {
        String page = "brivon://app/outcome";
        if (body.startsWith("read fails")) {
            int code = Integer.parseInt(body.substring(body.lastIndexOf(' ') + 1));
            CefLib.setResourceHandler(url -> new ResourceResponse() {
                @Override
                public int read(ByteBuffer buffer) {
                    return code;
                }
            });
        } else {
            answers.put(page, new Answer(status, "text/html", body, -1));
        }
        load(page);
        if (outcome.equals("committed")) {
            assertEquals(1, events.count("onLoadEnd", id), events.calls.toString());
            assertEquals(0, events.count("onLoadError", id));
            assertEquals(page, CefLib.getMainFrameUrl(id));
        } else {
            int code = Integer.parseInt(outcome.substring("error ".length()));
            List<Events.Call> errors = events.named("onLoadError", id);
            assertEquals(1, errors.size(), events.calls.toString());
            assertEquals(code, errors.get(0).number);
            assertEquals(0, events.count("onLoadStart", id), "the document never committed");
        }
    }

    @ParameterizedTest(name = "a slow Java read of the {0}, then {1}: cancel once, then close, and the load ends aborted")
    @CsvSource({
        "subresource, navigation",
        "subresource, close",
        "main frame,  navigation",
        "main frame,  close",
    })
    void goneWhileJavaReads(String slow, String trigger) throws InterruptedException {
        String slowUrl = "brivon://slow/thing";
        CountDownLatch reading = new CountDownLatch(1);
        CountDownLatch goOn = new CountDownLatch(1);
        answers.put(slowUrl, new Answer(200, "text/plain", "x".repeat(100), -1));
        CefLib.setResourceHandler(url -> {
            calls.add("createRequest " + url);
            return new Served(url) {
                @Override
                public int read(ByteBuffer buffer) {
                    if (url.equals(slowUrl)) {
                        reading.countDown();
                        try {
                            goOn.await(WAIT_MILLIS, TimeUnit.MILLISECONDS);
                        } catch (InterruptedException e) {
                            Thread.currentThread().interrupt();
                        }
                    }
                    // A piece at a time, so that the body is not over before the page goes.
                    ByteBuffer piece = buffer.slice();
                    piece.limit(Math.min(piece.capacity(), 10));
                    return super.read(piece);
                }
            };
        });
        if (slow.equals("subresource")) {
            SimWeb.servePageWithSubresources(PLAIN_PAGE, "", SimWeb.image(slowUrl));
            CefLib.loadUrl(id, PLAIN_PAGE);
        } else {
            CefLib.loadUrl(id, slowUrl);
        }
        Engine.pumpUntil(() -> reading.getCount() == 0, "Java reading " + slowUrl);
        if (trigger.equals("navigation")) {
            CefLib.loadUrl(id, ELSEWHERE);
            Engine.pumpUntil(() -> ELSEWHERE.equals(CefLib.getMainFrameUrl(id))
                    && !events.loading(id), "the next page");
        } else {
            Engine.close(id);
        }
        goOn.countDown();
        SimResources.PageRequest request = requests().get(0);
        assertEquals(slowUrl, request.url);
        SimResources.Received got = await(request);
        assertTrue(got.canceled, got.toString());
        assertEquals(-3, got.error, "ERR_ABORTED");
        assertEquals(1, count("cancel " + slowUrl), calls.toString());
        assertEquals(1, count("read " + slowUrl), "no read after the cancel: " + calls);
        List<String> last = calls.subList(calls.size() - 2, calls.size());
        assertEquals(List.of("cancel " + slowUrl, "close " + slowUrl), new ArrayList<>(last));
        if (slow.equals("main frame") && trigger.equals("navigation")) {
            Engine.pumpTimes(20);
            assertEquals(ELSEWHERE, CefLib.getMainFrameUrl(id), "the cancelled fetch never commits");
            assertFalse(events.named("onAddressChange", id).stream()
                    .anyMatch(call -> slowUrl.equals(call.text)));
        }
    }
}
