package com.velmor.brivon.testing;

import static org.junit.jupiter.api.Assertions.fail;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import java.lang.ref.WeakReference;
import java.util.concurrent.TimeUnit;
import java.util.function.BooleanSupplier;

/** Loading the libraries under test and waiting on the engine, with bounds. */
public final class Engine {
    private static final int MAX_WAIT_SECONDS = 10;
    private static final int MAX_COLLECTIONS = 50;

    private Engine() {
    }

    /** Loads the bridge (the probe build when asked) and the stand-in engine's driver. */
    public static void load(boolean probe) {
        CefLib.load(System.getProperty(probe ? "brivon.probe.library" : "brivon.library"));
        com.velmor.brivon.sim.SimDriver.load(System.getProperty("cefsim.driver.library"));
    }

    /**
     * Settings every test can start the engine with; the caller adjusts them. Pages run in the
     * built brivon-sub, as with the real engine, when the build names it.
     */
    public static CefSettings settings() {
        CefSettings settings = new CefSettings();
        settings.cachePath = System.getProperty("java.io.tmpdir");
        settings.browserSubProcessPath = System.getProperty("brivon.sub.program", "");
        return settings;
    }

    /**
     * Pumps the engine until the condition holds. Bounded by time, not by a count of pumps:
     * what a renderer process does, and the engine's noticing its end, take their own time
     * however fast the pumps go.
     */
    public static void pumpUntil(BooleanSupplier condition, String what) {
        long deadline = System.nanoTime() + TimeUnit.SECONDS.toNanos(MAX_WAIT_SECONDS);
        while (!condition.getAsBoolean()) {
            if (System.nanoTime() - deadline > 0) {
                fail("not seen in " + MAX_WAIT_SECONDS + " s: " + what);
            }
            CefLib.doMessageLoopWork();
        }
    }

    /**
     * Pumps a fixed number of times: for showing that nothing more happens, which no condition
     * can await.
     */
    public static void pumpTimes(int times) {
        for (int i = 0; i < times; i++) {
            CefLib.doMessageLoopWork();
        }
    }

    /** Starts the engine with {@link #settings()} and pumps until its context is ready. */
    public static void start() {
        CefLib.init(settings());
        pumpUntil(com.velmor.brivon.sim.SimDriver::contextInitialized, "the engine's context");
    }

    /** Closes the browser and pumps until the engine has delivered its close. */
    public static void close(long browserId) {
        CefLib.closeBrowser(browserId, true);
        pumpUntil(() -> com.velmor.brivon.sim.SimBrowsers.closed((int) browserId), "browser " + browserId + " closed");
    }

    /** Collects garbage until the referent is gone, i.e. nothing holds it any more. */
    public static boolean collected(WeakReference<?> reference) {
        for (int i = 0; i < MAX_COLLECTIONS && reference.get() != null; i++) {
            System.gc();
        }
        return reference.get() == null;
    }
}
