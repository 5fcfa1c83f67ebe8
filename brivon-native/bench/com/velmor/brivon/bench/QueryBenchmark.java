package com.velmor.brivon.bench;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.jni.LoadHandler;
import com.velmor.brivon.jni.MessageRouterHandler;
import com.velmor.brivon.probe.QueryProbe;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.sim.SimScript;
import com.velmor.brivon.sim.SimWeb;
import java.util.Arrays;
import java.util.LinkedHashMap;
import java.util.Map;
import java.util.concurrent.TimeUnit;
import java.util.function.BooleanSupplier;

/**
 * The round trip of a page query through the stand-in engine, the built brivon-sub renderer and
 * the bridge: the page calls javaQuery, Java answers at once from onQuery, the page's onSuccess
 * runs. Prints microseconds per query, one at a time and in a burst, beside one plain JNI
 * up-call. Run through the build (see README, "Query benchmark").
 */
public final class QueryBenchmark {
    private static final String PAGE = "http://bench.test/";
    private static final int SINGLE = 2_000;
    private static final int BURST = 10_000;
    private static final int UPCALLS = 1_000_000;
    private static final long TIMEOUT_NANOS = TimeUnit.SECONDS.toNanos(120);

    private static long queryNanos;

    private QueryBenchmark() {
    }

    public static void main(String[] args) {
        CefLib.load(System.getProperty("brivon.probe.library"));
        SimDriver.load(System.getProperty("cefsim.driver.library"));
        boolean[] loaded = new boolean[1];
        CefLib.setLoadHandler(new LoadHandler() {
            @Override
            public void onLoadingStateChange(long browserId, boolean isLoading, boolean canGoBack, boolean canGoForward) {
                loaded[0] = !isLoading;
            }

            @Override
            public void onLoadStart(long browserId, long frameId) {
            }

            @Override
            public void onLoadEnd(long browserId, long frameId) {
            }

            @Override
            public void onLoadError(long browserId, long frameId, int errorCode) {
            }
        });
        CefLib.setMessageRouterHandler(new MessageRouterHandler() {
            @Override
            public void onQuery(long browserId, long frameId, long queryId, String request) {
                long start = System.nanoTime();
                CefLib.javaQuerySuccess(queryId, request);
                queryNanos += System.nanoTime() - start;
            }

            @Override
            public void onQueryCanceled(long browserId, long frameId, long queryId) {
            }
        });
        CefSettings settings = new CefSettings();
        settings.cachePath = System.getProperty("java.io.tmpdir");
        settings.browserSubProcessPath = System.getProperty("brivon.sub.program");
        CefLib.init(settings);
        pumpUntil(SimDriver::contextInitialized);
        SimWeb.servePage(PAGE, "Bench");
        int browser = (int) CefLib.createBrowser();
        CefLib.loadUrl(browser, PAGE);
        pumpUntil(() -> loaded[0] && SimBrowsers.mainFrameId(browser) != 0);
        long frame = SimBrowsers.mainFrameId(browser);
        Map<String, Object> query = new LinkedHashMap<>();
        query.put("request", "ping");
        query.put("onSuccess", SimScript.recorder("ok"));
        query.put("onFailure", SimScript.recorder("fail"));

        // Warm-up: code paths, the JIT, the channel.
        for (int i = 0; i < 500; i++) {
            roundTrip(browser, frame, query);
        }

        long[] single = new long[SINGLE];
        queryNanos = 0;
        for (int i = 0; i < SINGLE; i++) {
            single[i] = roundTrip(browser, frame, query);
        }
        long singleBridge = queryNanos;
        Arrays.sort(single);

        queryNanos = 0;
        int before = SimScript.functionCallCount(browser);
        long start = System.nanoTime();
        for (int i = 0; i < BURST; i++) {
            SimScript.callWindowFunction(browser, frame, "javaQuery", query);
        }
        long issued = System.nanoTime() - start;
        pumpUntil(() -> SimScript.functionCallCount(browser) >= before + BURST);
        long burst = System.nanoTime() - start;
        long burstBridge = queryNanos;
        check(browser);

        long[] upcall = new long[1];
        QueryProbe.timeUpcalls(() -> upcall[0]++, UPCALLS);
        long upcallNanos = QueryProbe.timeUpcalls(() -> upcall[0]++, UPCALLS);

        System.out.println("Query round trip (page javaQuery -> Java onQuery -> javaQuerySuccess -> page onSuccess)");
        System.out.printf("%-46s %12s%n", "measure", "microseconds");
        System.out.printf("%-46s %12.2f%n", "one query at a time, median (" + SINGLE + ")", single[SINGLE / 2] / 1e3);
        System.out.printf("%-46s %12.2f%n", "one query at a time, 90th percentile", single[SINGLE * 9 / 10] / 1e3);
        System.out.printf("%-46s %12.2f%n", "  of which javaQuerySuccess, mean", singleBridge / 1e3 / SINGLE);
        System.out.printf("%-46s %12.2f%n", "burst of " + BURST + ", per query", burst / 1e3 / BURST);
        System.out.printf("%-46s %12.1f%n", "burst of " + BURST + ", total (ms)", burst / 1e6);
        System.out.printf("%-46s %12.1f%n", "  of which the page's calls (ms)", issued / 1e6);
        System.out.printf("%-46s %12.2f%n", "  of which javaQuerySuccess, per query", burstBridge / 1e3 / BURST);
        System.out.printf("%-46s %12.4f%n", "one plain JNI up-call (mean of " + UPCALLS + ")", upcallNanos / 1e3 / UPCALLS);

        CefLib.closeBrowser(browser, true);
        pumpUntil(() -> SimBrowsers.closed(browser));
        CefLib.shutdown();
    }

    private static long roundTrip(int browser, long frame, Map<String, Object> query) {
        int before = SimScript.functionCallCount(browser);
        long start = System.nanoTime();
        SimScript.callWindowFunction(browser, frame, "javaQuery", query);
        pumpUntil(() -> SimScript.functionCallCount(browser) > before);
        return System.nanoTime() - start;
    }

    /** Every query got its answer, none a failure. */
    private static void check(int browser) {
        for (SimScript.FunctionCall call : SimScript.functionCalls(browser)) {
            if (!call.name.equals("ok") || !call.arguments.equals(java.util.List.of("ping"))) {
                throw new IllegalStateException("unexpected page callback " + call);
            }
        }
    }

    private static void pumpUntil(BooleanSupplier condition) {
        long deadline = System.nanoTime() + TIMEOUT_NANOS;
        while (!condition.getAsBoolean()) {
            if (System.nanoTime() - deadline > 0) {
                throw new IllegalStateException("the engine did not get there in time");
            }
            CefLib.doMessageLoopWork();
        }
    }
}
