package com.velmor.brivon.probe;

/** Test-only entry point of the probe bridge for the query benchmark. */
public final class QueryProbe {
    private QueryProbe() {
    }

    /** Calls {@code target.run()} from native code {@code count} times; the nanoseconds taken, or -1. */
    public static native long timeUpcalls(Runnable target, int count);
}
