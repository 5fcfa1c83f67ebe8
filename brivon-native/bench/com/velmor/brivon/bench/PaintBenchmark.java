package com.velmor.brivon.bench;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.jni.RenderHandler;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.sim.SimView;
import java.nio.ByteBuffer;

/**
 * The cost of the paint path: for each view size, the time one paint spends from the engine's
 * OnPaint call to the Java method's entry and back (measured by the stand-in engine around
 * OnPaint, with an empty Java method), beside one plain JNI up-call (a Java method without
 * arguments called from native code) and one memcpy of the frame, the floor of any design that
 * copies pixels. Run with -Dbrivon.library and -Dcefsim.driver.library set.
 */
public final class PaintBenchmark {
    private static final int[][] SIZES = {{400, 400}, {1920, 1080}, {3840, 2160}};
    private static final int PAINTS = 20000;
    private static final int ROUNDS = 5;
    private static final long WAIT_NANOS = 60_000_000_000L;

    private static long paints;

    private PaintBenchmark() {
    }

    /** Counts the paints and does nothing else with them. */
    private static final class CountingHandler implements RenderHandler {
        @Override
        public void onPaint(long browserId, boolean popup, int width, int height, ByteBuffer pixels,
                int[] dirtyRects) {
            paints++;
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

    private static void pumpUntil(java.util.function.BooleanSupplier done, String what) {
        long deadline = System.nanoTime() + WAIT_NANOS;
        while (!done.getAsBoolean()) {
            if (System.nanoTime() - deadline > 0) {
                throw new IllegalStateException("not seen in time: " + what);
            }
            CefLib.doMessageLoopWork();
        }
    }

    public static void main(String[] args) {
        CefLib.load(System.getProperty("brivon.library"));
        SimDriver.load(System.getProperty("cefsim.driver.library"));
        CefLib.setRenderHandler(new CountingHandler());
        CefSettings settings = new CefSettings();
        settings.cachePath = System.getProperty("java.io.tmpdir");
        settings.browserSubProcessPath = "";
        CefLib.init(settings);
        pumpUntil(SimDriver::contextInitialized, "the engine's context");

        Runnable empty = () -> { };
        // Warm both paths up before measuring.
        SimView.timePlainUpcalls(empty, PAINTS);
        double upcall = Double.MAX_VALUE;
        for (int r = 0; r < ROUNDS; r++) {
            upcall = Math.min(upcall, SimView.timePlainUpcalls(empty, PAINTS) / (double) PAINTS);
        }

        System.out.printf("%-11s %12s %14s %14s %14s %12s %12s%n", "view", "paints/s", "bridge ns",
            "up-call ns", "memcpy ns", "/ up-call", "/ memcpy");
        for (int[] size : SIZES) {
            long id = CefLib.createBrowser();
            CefLib.resize(id, size[0], size[1]);
            long before = paints;
            pumpUntil(() -> paints > before, "the first paint");
            double bridge = Double.MAX_VALUE;
            double perSecond = 0;
            for (int r = 0; r <= ROUNDS; r++) {
                long[] start = SimView.paintTimes((int) id);
                long target = paints + PAINTS;
                long wallStart = System.nanoTime();
                SimView.paint((int) id, false, new int[] {0, 0, 1, 1}, PAINTS, 0, 0);
                pumpUntil(() -> paints >= target, "the paints");
                long wall = System.nanoTime() - wallStart;
                long[] end = SimView.paintTimes((int) id);
                if (r == 0) {
                    continue;  // warm-up round
                }
                bridge = Math.min(bridge, (end[1] - start[1]) / (double) (end[0] - start[0]));
                perSecond = Math.max(perSecond, PAINTS * 1e9 / wall);
            }
            int copies = Math.max(20, 2_000_000_000 / (size[0] * size[1] * 4) / 10);
            SimView.timeFrameCopies(size[0], size[1], copies);
            double copy = SimView.timeFrameCopies(size[0], size[1], copies) / (double) copies;
            System.out.printf("%-11s %12.0f %14.1f %14.1f %14.1f %12.2f %12.5f%n", size[0] + "x" + size[1],
                perSecond, bridge, upcall, copy, bridge / upcall, bridge / copy);
            CefLib.closeBrowser(id, true);
            pumpUntil(() -> SimBrowsers.closed((int) id), "the browser's close");
        }
        CefLib.shutdown();
    }
}
