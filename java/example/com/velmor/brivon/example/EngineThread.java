package com.velmor.brivon.example;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import java.util.ArrayList;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;
import java.util.concurrent.BlockingQueue;
import java.util.concurrent.LinkedBlockingQueue;
import java.util.concurrent.TimeUnit;
import java.util.function.LongConsumer;

/**
 * The one thread that owns the engine. The bridge keeps no locks: init, every browser call and
 * shutdown must come from the thread that pumps, and every callback except resource requests
 * runs on it, inside {@link CefLib#doMessageLoopWork()}. Other threads (Swing's above all) hand
 * it work with {@link #submit} and never call the bridge themselves.
 */
final class EngineThread {
    /** What the stand-in engine adds to the pumping thread's work; nothing with the real engine. */
    interface Hooks {
        default void loaded(long browserId, String url) {
        }

        default void resized(long browserId, int width, int height) {
        }

        /** A mouse button went up over the view: 0 left, 1 middle, 2 right. */
        default void clicked(long browserId, int x, int y, int button) {
        }

        default void mouseMoved(long browserId, int x, int y) {
        }

        /** Once per pump. */
        default void tick() {
        }
    }

    private static final long PUMP_INTERVAL_NANOS = TimeUnit.MILLISECONDS.toNanos(10);
    private static final long WAIT_SECONDS = 10;

    private final BlockingQueue<Runnable> tasks = new LinkedBlockingQueue<>();
    private final Thread thread;
    private final EventLog log;
    private Hooks hooks = new Hooks() { };
    // Touched by the pumping thread only.
    private final Set<Long> browsers = new LinkedHashSet<>();
    private List<Runnable> afterNextPump = new ArrayList<>();
    private boolean finished;
    private volatile boolean running;

    EngineThread(EventLog log) {
        this.log = log;
        this.thread = new Thread(this::pump, "engine");
    }

    void setHooks(Hooks hooks) {
        this.hooks = hooks;
    }

    Hooks hooks() {
        return hooks;
    }

    /** Starts the engine on a new thread; the handlers must be registered already. */
    void start(CefSettings settings) {
        running = true;
        tasks.add(() -> CefLib.init(settings));
        thread.start();
    }

    /** Queues work for the pumping thread; from any thread. Work queued after close is dropped. */
    void submit(Runnable task) {
        if (running) {
            tasks.add(task);
        }
    }

    /**
     * Creates an off-screen browser and hands its id to {@code created} on the pumping thread.
     * The engine takes browsers only once its context is ready, which no callback announces, so
     * creation is tried again at each pump until it succeeds.
     */
    void createBrowser(LongConsumer created) {
        long deadline = System.nanoTime() + TimeUnit.SECONDS.toNanos(WAIT_SECONDS);
        submit(new Runnable() {
            @Override
            public void run() {
                long id = CefLib.createBrowser();
                if (id > 0) {
                    browsers.add(id);
                    created.accept(id);
                } else if (System.nanoTime() - deadline < 0) {
                    afterNextPump.add(this);
                } else {
                    log.info("the engine created no browser in " + WAIT_SECONDS + " s");
                }
            }
        });
    }

    /** A browser the engine made itself (a popup, DevTools): it must be closed as well. */
    void adopt(long browserId) {
        browsers.add(browserId);
    }

    void loadUrl(long browserId, String url) {
        submit(() -> CefLib.loadUrl(browserId, url));
    }

    /**
     * Closes every browser, waits for each to be gone, shuts the engine down and then runs
     * {@code done} on the pumping thread, which ends. The engine must not be shut down with a
     * browser still open, and closing takes loop iterations, so the thread pumps until the
     * bridge no longer knows each id ({@code getMainFrameUrl} returns null).
     */
    void close(Runnable done) {
        submit(() -> {
            running = false;
            for (long id : browsers) {
                CefLib.closeBrowser(id, false);
            }
            if (!pumpUntilClosed()) {
                // A page that holds its close up (an unload handler) gives way to a forced close.
                for (long id : browsers) {
                    CefLib.closeBrowser(id, true);
                }
                pumpUntilClosed();
            }
            browsers.clear();
            CefLib.shutdown();
            finished = true;
            done.run();
        });
    }

    private boolean pumpUntilClosed() {
        long deadline = System.nanoTime() + TimeUnit.SECONDS.toNanos(WAIT_SECONDS);
        while (true) {
            browsers.removeIf(id -> CefLib.getMainFrameUrl(id) == null);
            if (browsers.isEmpty()) {
                return true;
            }
            if (System.nanoTime() - deadline > 0) {
                log.info("browsers still open after " + WAIT_SECONDS + " s: " + browsers);
                return false;
            }
            pumpOnce();
        }
    }

    private void pump() {
        long next = System.nanoTime();
        try {
            while (true) {
                // Work handed over runs as soon as it arrives; the pump itself keeps a steady rate.
                Runnable task = tasks.poll(Math.max(0, next - System.nanoTime()), TimeUnit.NANOSECONDS);
                if (task != null) {
                    runSafely(task);
                    if (finished) {
                        return;
                    }
                    continue;
                }
                pumpOnce();
                next += PUMP_INTERVAL_NANOS;
                if (next - System.nanoTime() < 0) {
                    next = System.nanoTime();
                }
            }
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        }
    }

    private void pumpOnce() {
        CefLib.doMessageLoopWork();
        List<Runnable> due = afterNextPump;
        afterNextPump = new ArrayList<>();
        due.forEach(this::runSafely);
        runSafely(hooks::tick);
    }

    /** A task that throws must not end the thread: nothing else could close the browsers then. */
    private void runSafely(Runnable task) {
        try {
            task.run();
        } catch (RuntimeException e) {
            log.info("a task on the pumping thread failed: " + e);
        }
    }
}
