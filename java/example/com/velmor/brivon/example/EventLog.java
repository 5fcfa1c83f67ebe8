package com.velmor.brivon.example;

import java.io.PrintStream;
import java.util.LinkedHashSet;
import java.util.Set;
import java.util.concurrent.TimeUnit;

/**
 * What the example prints: every callback when asked to (headless mode, as a log of the whole
 * road), and always the first time each step of the road is reached, so that a run can be
 * checked from its output alone. Called from the pumping thread, loader threads and Swing's.
 */
final class EventLog {
    static final String RESOURCE_SERVED = "resource served";
    static final String QUERY_ANSWERED = "query answered";
    static final String PAINT_RECEIVED = "paint received";

    private final PrintStream out;
    private final boolean everyCallback;
    private final Set<String> reached = new LinkedHashSet<>();
    private final Set<String> required = new LinkedHashSet<>();

    EventLog(PrintStream out, boolean everyCallback) {
        this.out = out;
        this.everyCallback = everyCallback;
        require(RESOURCE_SERVED, QUERY_ANSWERED, PAINT_RECEIVED);
    }

    void callback(String call) {
        if (everyCallback) {
            out.println("  callback " + call);
        }
    }

    void info(String line) {
        out.println(line);
    }

    /** Steps the run must reach before it counts as complete. */
    synchronized void require(String... steps) {
        for (String step : steps) {
            required.add(step);
        }
    }

    /** Prints the step with its detail the first time it is reached; whether this was the first. */
    boolean reached(String step, String detail) {
        synchronized (this) {
            if (!reached.add(step)) {
                return false;
            }
            notifyAll();
        }
        out.println("road: " + step + ": " + detail);
        return true;
    }

    synchronized boolean hasReached(String step) {
        return reached.contains(step);
    }

    /** Waits until every required step was reached; the steps still missing, empty when none. */
    synchronized Set<String> awaitRoad(long timeout, TimeUnit unit) throws InterruptedException {
        long deadline = System.nanoTime() + unit.toNanos(timeout);
        while (true) {
            Set<String> missing = new LinkedHashSet<>(required);
            missing.removeAll(reached);
            long left = deadline - System.nanoTime();
            if (missing.isEmpty() || left <= 0) {
                return missing;
            }
            TimeUnit.NANOSECONDS.timedWait(this, left);
        }
    }
}
