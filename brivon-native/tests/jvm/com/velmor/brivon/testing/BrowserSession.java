package com.velmor.brivon.testing;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.sim.SimBrowsers;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.TestInstance;

/**
 * One engine for a whole test class (it starts once per process), with every load, display,
 * life-span and request callback recorded in {@link #events}, and no browser left open from one
 * test to the next.
 */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
public abstract class BrowserSession {
    protected final Events events = new Events();

    @BeforeAll
    protected void startEngine() {
        Engine.load(false);
        events.registerAll();
        Engine.start();
    }

    @AfterAll
    protected void stopEngine() {
        CefLib.shutdown();
    }

    @AfterEach
    protected void closeOpenBrowsers() {
        for (int open : SimBrowsers.ids()) {
            Engine.close(open);
        }
    }
}
