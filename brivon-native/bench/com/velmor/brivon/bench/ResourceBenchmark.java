package com.velmor.brivon.bench;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.jni.ResourceResponse;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.sim.SimResources;
import java.lang.management.ManagementFactory;
import java.lang.management.ThreadMXBean;
import java.nio.ByteBuffer;

/**
 * How fast a body that Java serves through read(ByteBuffer) reaches the engine, beside memcpy
 * of the same body and the cost of attaching a thread, and what a small request costs with
 * engine threads attached once (and what it would cost attaching per call).
 */
public final class ResourceBenchmark {
    private static final int MIB = 1 << 20;
    private static final int RUNS = 5;
    private static final int SMALL_REQUESTS = 2000;
    /** Java calls of a one-chunk request: createRequest, open, status, length, type, 2 reads, close. */
    private static final int CALLS_PER_SMALL_REQUEST = 8;

    private ResourceBenchmark() {
    }

    private static final ThreadMXBean THREADS = ManagementFactory.getThreadMXBean();
    /**
     * CPU time the loader thread spent from the first read of the last body to its end: the
     * machines these run on are shared, so wall time says more about the neighbours than about
     * the bridge. Measured per body, as the engine's loading threads serve one request after
     * another.
     */
    private static volatile long lastLoaderCpuNanos;

    /** Serves `body` chunk by chunk into the engine's buffer. */
    static final class Body extends ResourceResponse {
        private final byte[] body;
        private int offset;
        private long cpuAtFirstRead = -1;

        Body(byte[] body) {
            this.body = body;
        }

        @Override
        public long getContentLength() {
            return body.length;
        }

        @Override
        public int read(ByteBuffer buffer) {
            if (cpuAtFirstRead < 0) {
                cpuAtFirstRead = THREADS.getCurrentThreadCpuTime();
            }
            int count = Math.min(buffer.capacity(), body.length - offset);
            if (count == 0) {
                lastLoaderCpuNanos = THREADS.getCurrentThreadCpuTime() - cpuAtFirstRead;
            }
            buffer.put(body, offset, count);
            offset += count;
            return count;
        }
    }

    private static double loadNanos(String url) {
        long start = System.nanoTime();
        SimResources.Received got = SimResources.await(SimResources.load(0, url, SimResources.MAIN_FRAME), 120_000);
        long spent = System.nanoTime() - start;
        if (got == null || got.error != 0) {
            throw new IllegalStateException("the load of " + url + " failed: " + got);
        }
        return spent;
    }

    public static void main(String[] args) {
        CefLib.load(System.getProperty("brivon.library"));
        SimDriver.load(System.getProperty("cefsim.driver.library"));
        CefSettings settings = new CefSettings();
        settings.cachePath = System.getProperty("java.io.tmpdir");
        settings.browserSubProcessPath = System.getProperty("brivon.sub.program", "");
        CefLib.init(settings);
        while (!SimDriver.contextInitialized()) {
            CefLib.doMessageLoopWork();
        }
        byte[] small = {42};
        byte[] oneMib = new byte[MIB];
        byte[] big = new byte[64 * MIB];
        CefLib.setResourceHandler(url -> new Body(url.endsWith("/64") ? big : url.endsWith("/1") ? oneMib : small));

        double attachNanos = SimResources.attachDetachNanos(2000);
        System.out.printf("%-46s %14s%n", "measure", "result");
        for (int mib : new int[] {1, 64}) {
            loadNanos("brivon://bench/" + mib);
            double best = Double.MAX_VALUE;
            double bestCpu = Double.MAX_VALUE;
            for (int run = 0; run < RUNS; run++) {
                best = Math.min(best, loadNanos("brivon://bench/" + mib));
                bestCpu = Math.min(bestCpu, lastLoaderCpuNanos);
            }
            double memcpy = SimResources.memcpyNanos(mib * MIB, RUNS);
            int chunks = mib * MIB / SimResources.READ_CHUNK_BYTES;
            System.out.printf("%-46s %9.0f MiB/s%n", mib + " MiB via read(ByteBuffer), wall time", mib / (best / 1e9));
            System.out.printf("%-46s %9.0f MiB/s%n", mib + " MiB via read(ByteBuffer), loader CPU time",
                    mib / (bestCpu / 1e9));
            System.out.printf("%-46s %9.0f MiB/s%n", mib + " MiB memcpy in engine chunks", mib / (memcpy / 1e9));
            System.out.printf("%-46s %9.0f MiB/s%n", mib + " MiB attaching per call (derived, " + chunks + " reads)",
                    mib / ((best + (chunks + 6) * attachNanos) / 1e9));
        }
        for (int i = 0; i < 200; i++) {
            loadNanos("brivon://bench/small");
        }
        long start = System.nanoTime();
        for (int i = 0; i < SMALL_REQUESTS; i++) {
            loadNanos("brivon://bench/small");
        }
        double perRequest = (System.nanoTime() - start) / (double) SMALL_REQUESTS;
        System.out.printf("%-46s %11.1f us%n", "one AttachCurrentThread + DetachCurrentThread", attachNanos / 1e3);
        System.out.printf("%-46s %11.1f us%n", "1-byte request, attached once (measured)", perRequest / 1e3);
        System.out.printf("%-46s %11.1f us%n", "1-byte request, attaching per call (derived)",
                (perRequest + (CALLS_PER_SMALL_REQUEST - 1) * attachNanos) / 1e3);
        CefLib.setResourceHandler(null);
        CefLib.shutdown();
    }
}
