package com.velmor.brivon.testing;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimDriver;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.TestInstance;

/**
 * One engine for a whole test class (it starts once per process), with every load, display,
 * life-span and request callback recorded in {@link #events}, and no browser left open from one
 * test to the next. The bridge is the main build unless the class names another
 * ({@link #library()}).
 */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
public abstract class BrowserSession {
    protected final Events events = new Events();

    /** The bridge library under test. */
    protected String library() {
        return System.getProperty("brivon.library");
    }

    @BeforeAll
    protected void startEngine() {
        CefLib.load(library());
        SimDriver.load(System.getProperty("cefsim.driver.library"));
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
